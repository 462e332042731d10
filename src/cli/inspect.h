// velorm-cli inspect: what each file kind shows, as a JSON document and as readable text.
#pragma once

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/memory_stream.h"

struct InspectInput {
    std::string file;    // a path on disk, or a name inside the database
    std::string dbPath;  // --db; empty: the database is looked for above the file
};

// Opens the configuration database from --db, or from the directories above the file.
// Returns whether it is open.
bool OpenDbFor(const InspectInput& in);
// The file's bytes: from disk when the path exists, else from the open database by name.
std::unique_ptr<MemoryStream> ReadInputFile(const std::string& file, int dbKind);

nlohmann::json InspectAlgFile(const InspectInput& in);
nlohmann::json InspectModFile(const InspectInput& in);
nlohmann::json InspectTskFile(const InspectInput& in);

std::string RenderAlg(const nlohmann::json& doc);
std::string RenderMod(const nlohmann::json& doc);
std::string RenderTsk(const nlohmann::json& doc);

// Four upper-case hexadecimal digits.
std::string HexText(unsigned value, int digits = 4);

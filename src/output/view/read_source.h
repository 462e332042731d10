// Where the selected module's archives are read from, by Common/VS of its link file.
#pragma once

#include <string>

enum ReadSource { rsNoModule, rsNotSet, rsController, rsFlash };

// rsNoModule without a link file in the module directory; rsNotSet when Common/VS is absent
// or names no known source.
ReadSource ReadSourceOf(const std::string& moduleDir);

// "Модуль не найден" or "Связь не настроена"; "" for a source that can be read.
std::string ReadSourceError(ReadSource source);

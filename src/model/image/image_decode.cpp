// Decoding a controller's task area, group by group, into the tasks of a queue.
#include <algorithm>
#include <cstdio>

#include "model/binary/le_fields.h"
#include "model/image/param_area.h"
#include "model/queue/task_cl.h"
#include "platform/codepage.h"

namespace {
constexpr uint16_t kUncoveredFormat = 0x3033;
constexpr uint16_t kPlainFormat = 0x2000;

std::string DecodeFailure() {
    return Utf8ToSys("ошибки перекодировки области задач, смотри протокол обмена");
}

void AppendGroup(std::vector<uint8_t>& table, const ImageGroup& group) {
    table.insert(table.end(), group.begin(), group.end());
}
}  // namespace

int Task_CL::DecodeTaskGroup(const ImageGroup& group) {
    AppendGroup(image_.TaskTable, group);
    uint16_t internal = GetU16(group.data(), 0);
    if (internal == 0 || internal == 0xFFFF)
        return 0;
    const TAlgoritms* algorithm = module_->Algorithm(module_->NumberOfInternal(internal, true));
    if (!algorithm)
        return 0;
    uint64_t total = static_cast<uint64_t>(image_.ParamBytes) + TaskValueBytes(*algorithm);
    image_.ParamBytes = static_cast<uint32_t>(std::min<uint64_t>(total, UINT32_MAX));
    return 1;
}

int Task_CL::DecodeParamGroup(const ImageGroup& group) {
    if (image_.TasksDecoded)
        return 0;
    AppendGroup(image_.ParamArea, group);
    if (image_.ParamBytes == 0) {
        DecodeTasks();
        return 0;
    }
    if (image_.ParamArea.size() / 4 < GroupCount(image_.ParamBytes))
        return -1;
    DecodeTasks();
    return static_cast<int>(image_.FlexGroups);
}

void Task_CL::DecodeTasks() {
    image_.TasksDecoded = true;
    const auto& area = image_.ParamArea;
    size_t cursor = 0;
    for (size_t g = 0; g + 4 <= image_.TaskTable.size(); g += 4) {
        uint16_t internal = GetU16(image_.TaskTable.data(), g);
        if (internal == 0 || internal == 0xFFFF)
            break;
        uint16_t number = module_->NumberOfInternal(internal, false);
        const TAlgoritms* algorithm = module_->Algorithm(number);
        if (!algorithm)
            continue;
        uint8_t flags = static_cast<uint8_t>(1 | (GroupOfOffset(static_cast<uint32_t>(g)) << 1));
        if (cursor + TaskValueBytes(*algorithm) > area.size()) {
            image_.DecodeMessage = DecodeFailure();
            break;
        }
        AddedTask added = AddTask(number, flags);
        TParam& task = *tasks_[added.Position];
        std::vector<std::pair<int, std::string>> texts;
        const auto& params = algorithm->Params();
        for (size_t i = 0; i < params.size(); ++i) {
            const TAlgParamDesc& p = params[i];
            uint32_t size = ImageValueSize(p);
            TTaskParamEntry entry;
            entry.Name = p.Name.substr(0, 50);
            entry.ShortName = p.ShortName.substr(0, 8);
            entry.Position = static_cast<int32_t>(i);
            entry.InternalNumber = p.InternalNumber;
            switch (ImageKindOf(p)) {
                case ImageValueKind::Reference: {
                    entry.Value1 = GetU16(area.data(), cursor);
                    QueueRef other = FindInQueue(entry.Value1, 0);
                    if (other.Task >= 0) {
                        entry.Value2 = tasks_[other.Task]->Value2(other.Entry);
                        entry.FormatCode = tasks_[other.Task]->FormatCode(other.Entry);
                    } else {
                        entry.Value2 = 0;
                        entry.FormatCode = kUncoveredFormat;
                    }
                    if (entry.Value2 == 0xFFFF)
                        entry.Value2 = p.CKind;
                    break;
                }
                case ImageValueKind::Text: {
                    const char* chars = reinterpret_cast<const char*>(area.data() + cursor);
                    texts.emplace_back(static_cast<int>(i),
                                       std::string(chars, std::find(chars, chars + size, '\0')));
                    break;
                }
                case ImageValueKind::Plain: {
                    uint8_t bytes[4] = {0, 0, 0, 0};
                    std::copy_n(area.begin() + cursor, std::min<uint32_t>(size, 4), bytes);
                    entry.Value1 = GetU16(bytes, 0);
                    entry.Value2 = GetU16(bytes, 2);
                    entry.FormatCode = kPlainFormat;
                    break;
                }
            }
            if (entry.FormatCode == 0xFFFF)
                entry.FormatCode = ParamFormatCode(p);
            task.AppendEntry(std::move(entry));
            cursor += size;
        }
        for (const auto& [entryPos, text] : texts)
            task.SetText(text, entryPos);
    }

    uint32_t units = 0;
    for (const auto& page : FlexPages(AreaBase(), CollectReferences(*this)))
        units += 1 + 2 * page.Descriptors();
    image_.FlexGroups = (units + 1) / 2;
}

bool Task_CL::DecodeFlexGroup(const ImageGroup& group) {
    if (image_.FlexDecoded || image_.FlexGroups == 0)
        return true;
    AppendGroup(image_.FlexTable, group);
    if (image_.FlexTable.size() / 4 < image_.FlexGroups)
        return false;
    image_.FlexDecoded = true;
    DecodeFlexTable();
    return true;
}

void Task_CL::DecodeFlexTable() {
    const auto& table = image_.FlexTable;
    auto refs = CollectReferences(*this);
    auto pages = FlexPages(AreaBase(), refs);
    const std::string outside = Utf8ToSys("Выход за границы области смотри протокол обмена");
    for (size_t p = 0; p < pages.size(); ++p) {
        if (2 * p + 2 > table.size()) {
            image_.DecodeMessage = outside;
            return;
        }
        uint16_t offset = GetU16(table.data(), 2 * p);
        if (offset == 0xFFFF) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%02X", offset);
            image_.DecodeMessage = Utf8ToSys("Смещение в данных (группа ") + std::to_string(p) +
                                   Utf8ToSys(") в таблице описателей гибких параметров=") + hex;
            return;
        }
        for (int n = pages[p].Start; n <= pages[p].Last; ++n) {
            size_t at = offset + 4 * static_cast<size_t>(n - pages[p].Start);
            if (at + 4 > table.size()) {
                image_.DecodeMessage = outside;
                return;
            }
            uint32_t descriptor = GetU32(table.data(), at);
            auto it = refs.find(static_cast<uint16_t>(n));
            if (descriptor == 0 || descriptor == 0xFFFFFFFF || it == refs.end())
                continue;
            uint8_t b2 = table[at + 2];
            uint8_t b3 = table[at + 3];
            uint16_t format = static_cast<uint16_t>((b3 & 3) * 256 + ((b3 >> 2) & 3) * 4096 + 0x11);
            for (const QueueRef& ref : it->second) {
                tasks_[ref.Task]->SetFormatCode(ref.Entry, format);
                tasks_[ref.Task]->SetValue2(ref.Entry, b2 / 64);
            }
        }
    }
}

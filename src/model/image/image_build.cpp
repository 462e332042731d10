// Encoding a task queue into the controller-side image: task table, parameter area and the
// table of flexible-parameter descriptors.
#include "model/image/param_area.h"
#include "model/queue/task_cl.h"

#include <algorithm>

#include "model/binary/le_fields.h"
#include "platform/codepage.h"

namespace {
void AppendU16(std::vector<uint8_t>& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void PadToGroup(std::vector<uint8_t>& bytes) {
    bytes.resize(GroupCount(bytes.size()) * 4, 0);
}
}  // namespace

void Task_CL::AppendTaskValues(const TParam& task) {
    auto& area = image_.ParamArea;
    for (const auto& p : task.Algorithm()->Params()) {
        int e = task.FindEntry(p.InternalNumber);
        uint16_t v1 = e >= 0 ? task.Entries()[e].Value1 : 0;
        uint16_t v2 = e >= 0 ? task.Entries()[e].Value2 : 0;
        uint32_t size = ImageValueSize(p);
        switch (ImageKindOf(p)) {
            case ImageValueKind::Reference:
                AppendU16(area, v1);
                break;
            case ImageValueKind::Text: {
                std::string text = task.GetText(v1 + 65536u * v2);
                text.resize(size, '\0');
                area.insert(area.end(), text.begin(), text.end());
                break;
            }
            case ImageValueKind::Plain: {
                const uint8_t bytes[4] = {
                    static_cast<uint8_t>(v1 & 0xFF), static_cast<uint8_t>(v1 >> 8),
                    static_cast<uint8_t>(v2 & 0xFF), static_cast<uint8_t>(v2 >> 8)};
                for (uint32_t i = 0; i < size; ++i)
                    area.push_back(i < 4 ? bytes[i] : 0);
                break;
            }
        }
    }
}

void Task_CL::BuildImage(bool paramOption, bool flexOption) {
    std::string message = image_.DecodeMessage;
    image_.Clear();
    image_.DecodeMessage = message;
    header_.TaskCount = static_cast<uint16_t>(tasks_.size());

    bool overflowed = false;
    bool anyEnabled = false;
    bool encodeFailed = false;
    int previousGroup = -1;
    for (const auto& task : tasks_) {
        if (!task->Enabled())
            continue;
        anyEnabled = true;
        if (overflowed) {
            image_.TaskTableFits = false;
            break;
        }
        uint16_t internal = module_->InternalOf(task->AlgNumber());
        if (!task->Algorithm() || internal == 0xFFFF || internal == 0) {
            encodeFailed = true;
            continue;
        }
        int group = task->Group();
        if (group != previousGroup) {
            if (group >= 1 && group <= 5)
                image_.GroupStart[group - 1] = static_cast<uint16_t>(image_.TaskTable.size());
            previousGroup = group;
        }
        if (image_.TaskTable.size() > AreaLimit(0)) {
            // A task that does not fit is left out, and the table says so.
            overflowed = true;
            image_.TaskTableFits = false;
            continue;
        }
        AppendU16(image_.TaskTable, internal);
        AppendU16(image_.TaskTable, static_cast<uint16_t>(image_.ParamArea.size()));
        if (paramOption && image_.ParamAreaFits) {
            AppendTaskValues(*task);
            if (image_.ParamArea.size() > AreaLimit(1))
                image_.ParamAreaFits = false;
        }
    }
    uint16_t tableSize = static_cast<uint16_t>(image_.TaskTable.size());
    if (!overflowed)
        image_.TaskTable.insert(image_.TaskTable.end(), 4, 0xFF);
    PadToGroup(image_.ParamArea);
    if (anyEnabled)
        BuildFlexTable(flexOption);

    uint16_t next = tableSize;
    for (int i = 4; i >= 0; --i) {
        if (image_.GroupStart[i] == 0xFFFF)
            image_.GroupStart[i] = next;
        else
            next = image_.GroupStart[i];
    }
    if (encodeFailed) {
        if (image_.DecodeMessage.empty())
            image_.DecodeMessage =
                Utf8ToSys("ошибки перекодировки области задач, смотри протокол обмена");
        image_.DecodeMessage += ' ';
        image_.DecodeMessage += std::to_string(tasks_.size());
    }
}

void Task_CL::BuildFlexTable(bool flexOption) {
    for (int k = 0; k < 4; ++k)
        image_.Banks[k] = {module_->AreaTableValue(1, k), 0, 8};
    auto refs = CollectReferences(*this);
    auto pages = FlexPages(AreaBase(), refs);

    std::vector<uint8_t> offsets;
    std::vector<uint8_t> descriptors;
    uint32_t offset = 2 * static_cast<uint32_t>(pages.size());
    for (const auto& page : pages) {
        AppendU16(offsets, static_cast<uint16_t>(offset));
        offset += 4 * page.Descriptors();
    }
    for (const auto& page : pages) {
        for (int n = page.Start; n <= page.Last; ++n) {
            auto it = refs.find(static_cast<uint16_t>(n));
            if (it == refs.end()) {
                descriptors.insert(descriptors.end(), 4, 0);
                continue;
            }
            const TParam& task = *tasks_[it->second.front().Task];
            int e = it->second.front().Entry;
            const TAlgParamDesc& p = task.EntryParam(e);
            const TTaskParamEntry& entry = task.Entries()[e];
            int bank = entry.Value2 & 3;
            BankCursor& cursor = image_.Banks[bank];
            uint32_t s = p.ItemSize;
            uint32_t c = p.ItemCount;
            uint8_t b2 = static_cast<uint8_t>(bank * 64 + (c >= 2 ? 8 : 0));
            uint32_t length = c >= 2 ? c * s : s;
            bool singleFlag = false;
            if (p.ValueType != 0) {
                b2 += s & 7;
            } else {
                b2 += 16;
                length = c > 0 ? (c + 7) / 8 : 0;
                singleFlag = c == 0;
            }
            uint32_t address;
            if (singleFlag) {
                if (cursor.BitCounter == 8) {
                    cursor.FlagByte = cursor.Address++;
                    cursor.BitCounter = 0;
                }
                address = cursor.FlagByte;
                b2 += cursor.BitCounter++;
            } else {
                if (AlignValues && s > 0 && length > 0)
                    cursor.Address = (cursor.Address + s - 1) / s * s;
                address = cursor.Address;
                cursor.Address += length;
            }
            uint8_t b3 = static_cast<uint8_t>(((entry.FormatCode >> 12) & 3) * 4 +
                                              ((entry.FormatCode >> 8) & 3) +
                                              (((address >> 16) & 0xF) << 4));
            descriptors.insert(descriptors.end(),
                               {static_cast<uint8_t>(address & 0xFF),
                                static_cast<uint8_t>((address >> 8) & 0xFF), b2, b3});
        }
    }

    if (pages.empty()) {
        image_.FlexTable = {0x02, 0x00, 0x00, 0x00};
    } else if (flexOption) {
        image_.FlexTable = offsets;
        image_.FlexTable.insert(image_.FlexTable.end(), descriptors.begin(), descriptors.end());
    } else {
        image_.FlexTable = offsets;
        image_.FlexDescriptors = descriptors;
        PadToGroup(image_.FlexDescriptors);
    }
    PadToGroup(image_.FlexTable);
    if (image_.FlexTable.size() + image_.FlexDescriptors.size() > AreaLimit(2))
        image_.FlexTableFits = false;
}

void Task_CL::SetGroupStart(int index, uint16_t offset) {
    if (index >= 0 && index < 5)
        image_.GroupStart[index] = offset;
}

int Task_CL::GroupOfOffset(uint32_t offset) const {
    for (int i = 0; i < 5; ++i)
        if (image_.GroupStart[i] > offset)
            return i;
    return 5;
}

int Task_CL::MaxReference(int low, int high, bool downwards) const {
    int best = -1;
    for (const auto& task : tasks_)
        for (int e = 0; e < task->EntryCount(); ++e) {
            int v = task->Entries()[e].Value1;
            if (!task->IsReference(e) || v < low || v >= 0xF000 || (high != 0 && v >= high))
                continue;
            if (best < 0 || (downwards ? v < best : v > best))
                best = v;
        }
    return best < 0 ? low - 1 : best;
}

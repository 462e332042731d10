// Layout of task values in the parameter area and the pages of the flexible table.
#include "model/image/param_area.h"

#include "model/queue/task_cl.h"

ImageValueKind ImageKindOf(const TAlgParamDesc& p) {
    if (p.IsReference)
        return ImageValueKind::Reference;
    if (p.IsText && p.ItemCount > 0)
        return ImageValueKind::Text;
    return ImageValueKind::Plain;
}

uint32_t ImageValueSize(const TAlgParamDesc& p) {
    switch (ImageKindOf(p)) {
        case ImageValueKind::Reference:
            return 2;
        case ImageValueKind::Text:
            return static_cast<uint32_t>(p.ItemSize) * p.ItemCount;
        default:
            return p.ItemSize;
    }
}

uint32_t TaskValueBytes(const TAlgoritms& algorithm) {
    uint32_t total = 0;
    for (const auto& p : algorithm.Params())
        total += ImageValueSize(p);
    return total;
}

std::map<uint16_t, std::vector<QueueRef>> CollectReferences(const Task_CL& queue) {
    std::map<uint16_t, std::vector<QueueRef>> refs;
    for (int t = 0; t < queue.TaskCount(); ++t) {
        const TParam& task = *queue.Tasks()[t];
        for (int e = 0; e < task.EntryCount(); ++e) {
            uint16_t v = task.Entries()[e].Value1;
            if (task.IsReference(e) && v < 0xF000)
                refs[v].push_back({t, e});
        }
    }
    return refs;
}

std::vector<FlexPage> FlexPages(uint16_t areaBase,
                                const std::map<uint16_t, std::vector<QueueRef>>& refs) {
    std::vector<FlexPage> pages;
    auto from = refs.lower_bound(areaBase);
    if (from == refs.end())
        return pages;
    int last = refs.rbegin()->first;
    int count = last / 256 - areaBase / 256 + 1;
    for (int p = 0; p < count; ++p) {
        int start = p == 0 ? areaBase : (areaBase / 256 + p) * 256;
        int next = (areaBase / 256 + p + 1) * 256;
        FlexPage page{start, start - 1};
        // References are below F000h, so `next` always fits in 16 bits.
        auto it = refs.lower_bound(static_cast<uint16_t>(next));
        if (it != refs.begin() && std::prev(it)->first >= start)
            page.Last = std::prev(it)->first;
        pages.push_back(page);
    }
    return pages;
}

// The Qt alignment of a stored alignment code.
#include "output/ui/cell_alignment.h"

#include "reports/option_triple.h"

Qt::Alignment CellAlignment(int align) {
    switch (align) {
        case taCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case taRight:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// The Qt alignment of a stored alignment code (0 left, 1 centre, 2 right), vertically centred.
#pragma once

#include <Qt>

Qt::Alignment CellAlignment(int align);

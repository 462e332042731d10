// The program's logo, drawn in code for the main window and the about box.
#pragma once

#include <QPixmap>

QPixmap VelormLogo(int width, int height);

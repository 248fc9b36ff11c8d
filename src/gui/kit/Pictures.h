// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own pictures: the application icon from packaging/icons (built into the program), the others
// drawn in code.
#pragma once

#include <QIcon>
#include <QPixmap>

// The handheld radio that stands for the program (packaging/icons/qbh52.svg, rendered at 48 and 256 pixels):
// window icon, About box, root of the tree.
QPixmap AppPixmap(int size);
QIcon AppIcon();
// The tile the main window's document area is painted with.
QPixmap BackgroundPixmap();

enum class TToolPicture { New, Open, Save, ChannelEdit, Print, Com, Read, Write, Help, Page, PageSelected, Undo, Redo };
QIcon ToolIcon(TToolPicture picture);

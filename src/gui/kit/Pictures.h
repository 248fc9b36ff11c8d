// The program's own pictures, drawn in code so that they need no resource files.
#pragma once

#include <QIcon>
#include <QPixmap>

// The handheld radio that stands for the program: window icon, About box, root of the tree.
QPixmap AppPixmap(int size);
QIcon AppIcon();
// The tile the main window's document area is painted with.
QPixmap BackgroundPixmap();

enum class TToolPicture { New, Open, Save, ChannelEdit, Print, Com, Read, Write, Help, Page, PageSelected, Undo, Redo };
QIcon ToolIcon(TToolPicture picture);

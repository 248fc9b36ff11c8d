// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/files/LanguageFile.h"
#include "core/files/SettingsFile.h"
#include "core/files/StartUp.h"
#include "core/model/ChannelCodec.h"
#include "core/model/Derivations.h"
#include "gui/channels/ChannelRows.h"
#include "gui/kit/ApplyLanguage.h"
#include "gui/kit/EditorWindow.h"
#include "gui/kit/MenuShortcuts.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/Pictures.h"
#include "gui/link/LinkDialogs.h"
#include "gui/main/AboutWindow.h"
#include "gui/main/CsvCommands.h"
#include "gui/main/EditorList.h"
#include "gui/main/HelpWindow.h"
#include "gui/main/LanguageWindow.h"
#include "gui/main/ModelWindow.h"
#include "gui/main/PrintCommands.h"
#include "gui/main/RecoveryKeeper.h"
#include "qt/PortList.h"

namespace
{

const QString kChannelTable = QStringLiteral("fChsInfo");
const QString kChannelEdit = QStringLiteral("fChsEdit");
// A tree node's state index, which holds its command tag.
constexpr int kStateIndexRole = Qt::UserRole;
constexpr int kTreeWidth = 185;
constexpr std::array<int, 7> kPanelWidths = {50, 80, 120, 120, 120, 800, 100};
constexpr int kStretchingPanel = 5;
// The panel of notes and hints, which stretches with the band panel: a note is one line of text.
constexpr int kNotePanel = 0;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// A question asks for confirmation; a message that is not one is captioned for what it reports.
TAnswer Message(const std::string& text, TMessageKind kind)
{
    const std::string& caption = kind == TMessageKind::Error     ? gLanguage.Error
                                 : kind == TMessageKind::Warning ? gLanguage.Caution
                                                                 : gLanguage.Confirmation;
    return ShowMessageBox(Text(caption), Text(text), kind);
}

// What the system said about a file that could not be read or written.
void ShowFileError(const std::string& error)
{
    ShowMessageBox(Text(gAll.AppTitle), Text(error), TMessageKind::Error);
}

QString WithDataExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".dat") : path;
}

// A new data set's name: the model and the day, e.g. "QB-H52 2026-05-01.dat".
QString SuggestedFileName()
{
    return Text(gAll.ModelName) + QDate::currentDate().toString(QStringLiteral(" yyyy-MM-dd")) + QStringLiteral(".dat");
}

// The local data file or CSV list a drag carries; empty for anything else.
QString DroppedFile(const QMimeData* data)
{
    if (!data || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return QString();
    const QString path = data->urls().first().toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QStringLiteral("dat") || suffix == QStringLiteral("csv") ? path : QString();
}

// The port of the status bar, and that no device stands behind it (a cable unplugged, a mapping gone).
QString PortStatus(const QString& caption)
{
    const QString port = Text(gAll.ComPort);
    const QString device = PortDevice(gAll, port);
    if (!device.isEmpty() && QFileInfo::exists(device))
        return caption + port;
    return caption + port + QStringLiteral(" (") + Text(gLanguage.PortAbsent) + QLatin1Char(')');
}

void TileWindows(QMdiArea* area, bool horizontally)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList())
        if (window->isVisible() && !window->isMinimized())
            windows << window;
    const QRect room = area->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        windows[i]->showNormal();
        if (horizontally) {
            const int top = room.height() * i / count;
            windows[i]->setGeometry(0, top, room.width(), room.height() * (i + 1) / count - top);
        } else {
            const int left = room.width() * i / count;
            windows[i]->setGeometry(left, 0, room.width() * (i + 1) / count - left, room.height());
        }
    }
}

// Minimised windows in one row along the bottom of the document area.
void ArrangeIcons(QMdiArea* area)
{
    int left = 0;
    for (QMdiSubWindow* window : area->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(left, area->viewport()->height() - window->height());
        left += window->width();
    }
}

QAction* AddUndoButton(QToolBar* bar, const char* name, const QString& hint, TToolPicture picture)
{
    QAction* action = bar->addAction(ToolIcon(picture), hint);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setEnabled(false);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// As a window that becomes active hands the keyboard to its first control, so that typing goes to the grid.
void FocusFirstControl(QWidget* window)
{
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (window->isAncestorOf(w) && w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
    window->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace

TMainWindow::TMainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("fMainFrm"));
    setWindowIcon(AppIcon());
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenus();
    BuildToolbar();
    layout->addWidget(pBar);
    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    BuildTree();
    MdiArea = new QMdiArea(Splitter1);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Splitter1->addWidget(pTree);
    Splitter1->addWidget(MdiArea);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({kTreeWidth, 1000});
    layout->addWidget(Splitter1, 1);
    setCentralWidget(central);
    BuildStatusBar();
    TMenuShortcuts::Install(this);
    Recovery = new TRecoveryKeeper(MainBar, this);

    cbCom = new QComboBox(central);
    cbCom->setObjectName(QStringLiteral("cbCom"));
    cbCom->setProperty("tag", -2);
    cbCom->hide();
    lCom = new QLabel(QStringLiteral("Port: "), central);
    lCom->setObjectName(QStringLiteral("lCom"));
    lCom->hide();
    ImBack = new QLabel(central);
    ImBack->setObjectName(QStringLiteral("ImBack"));
    ImBack->hide();
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TMainWindow::TimerTimer);
    Csv = new TCsvCommands(this);
    setAcceptDrops(true);
    Places.Load();
    SetViewsHost(this);
}

TMainWindow::~TMainWindow()
{
    SetViewsHost(nullptr);
}

QAction* TMainWindow::AddCommand(QMenu* menu, const char* name, TCommand command, const QString& caption,
                                 const QString& hint, const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("tag", static_cast<int>(command));
    action->setShortcut(shortcut);
    if (!hint.isEmpty())
        action->setToolTip(hint);
    menu->addAction(action);
    connect(action, &QAction::triggered, this, [this, command] { ExecuteCommand(command); });
    return action;
}

void TMainWindow::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    nFile = AddMenu(bar, "nFile", tr("&File"));
    N1 = AddCommand(nFile, "N1", TCommand::New, tr("&New"), {}, QKeySequence(tr("Ctrl+N")));
    O1 = AddCommand(nFile, "O1", TCommand::Open, tr("&Open"), {}, QKeySequence(tr("Ctrl+O")));
    nOpenBackup = AddCommand(nFile, "nOpenBackup", TCommand::OpenBackup, tr("Open &Backup..."));
    nRecent = nFile->addMenu(tr("&Recent Files"));
    nRecent->setObjectName(QStringLiteral("nRecent"));
    S2 = AddCommand(nFile, "S2", TCommand::Save, tr("&Save"), {}, QKeySequence(tr("Ctrl+S")));
    A1 = AddCommand(nFile, "A1", TCommand::SaveAs, tr("Save &As"), {}, QKeySequence(tr("Ctrl+Shift+S")));
    nFile->addSeparator();
    nImportCsv = AddCommand(nFile, "nImportCsv", TCommand::ImportCsv, tr("&Import CSV..."));
    nExportCsv = AddCommand(nFile, "nExportCsv", TCommand::ExportCsv, tr("E&xport CSV..."));
    nFile->addSeparator();
    P2 = AddCommand(nFile, "P2", TCommand::Print, tr("&Print"), {}, QKeySequence(tr("Ctrl+P")));
    V2 = AddCommand(nFile, "V2", TCommand::PrintPreview, tr("Print Pre&view"), {}, QKeySequence(tr("Ctrl+T")));
    nExportPdf = AddCommand(nFile, "nExportPdf", TCommand::ExportPdf, tr("E&xport PDF..."));
    nFile->addSeparator();
    nExit = AddCommand(nFile, "nExit", TCommand::Exit, tr("&Exit"), {}, QKeySequence(tr("Ctrl+Q")));

    nEdit = AddMenu(bar, "nEdit", tr("&Edit"));
    BuildUndoActions();
    nEdit->addAction(nUndo);
    nEdit->addAction(nRedo);
    nEdit->addSeparator();
    nInfo = AddCommand(nEdit, "nInfo", TCommand::RadioInfo, tr("Radio &Information"), tr("Radio Information"));
    nFreq = AddCommand(nEdit, "nFreq", TCommand::VfoEdit, tr("F&req. Channel"), tr("Freq. Information"));
    nEdit->addSeparator();
    nChInfo = AddCommand(nEdit, "nChInfo", TCommand::ChannelTable, tr("Memory C&hannel"), tr("Channel Information"));
    nChEdit = AddCommand(nEdit, "nChEdit", TCommand::ChannelEdit, tr("&Channel Edit"), tr("Channel Edit"));
    nBatch = AddCommand(nEdit, "nBatch", TCommand::BatchEdit, tr("&Batch Channel Edit"));
    nEdit->addSeparator();
    nFm = AddCommand(nEdit, "nFm", TCommand::FmRadio, tr("&FM Information"), tr("FM Information"));
    nVox = AddCommand(nEdit, "nVox", TCommand::Vox, tr("&Vox Function"), tr("Vox Function"));
    nScan = AddCommand(nEdit, "nScan", TCommand::Scan, tr("&Scan Information"), tr("Scan Information"));
    nOpt = AddCommand(nEdit, "nOpt", TCommand::OptionalFunctions, tr("&Optional Function"), tr("Optional Function"));
    nKey = AddCommand(nEdit, "nKey", TCommand::KeyFunction, tr("&Key Function"), tr("Key Function"));
    nKey->setVisible(false);
    nDTMF = AddCommand(nEdit, "nDTMF", TCommand::Dtmf, tr("&DTMF Function"), tr("DTMF Function"));
    nEdit->addSeparator()->setVisible(false);
    E10 = AddCommand(nEdit, "E10", TCommand::TestFrequency, tr("&Test Frequency"));
    E10->setVisible(false);
    AddChannelRowCommands(nEdit, [this] { return ChannelRowsOf(Editor(kChannelTable)); });

    nProgram = AddMenu(bar, "nProgram", tr("&Program"));
    R1 = AddCommand(nProgram, "R1", TCommand::ReadFromRadio, tr("&Read From Radio"), {}, QKeySequence(tr("Ctrl+R")));
    W2 = AddCommand(nProgram, "W2", TCommand::WriteToRadio, tr("&Write To Radio"), {}, QKeySequence(tr("Ctrl+W")));
    nVerify = AddCommand(nProgram, "nVerify", TCommand::VerifyAfterWrite, tr("&Verify after write"));
    nVerify->setCheckable(true);
    nVerify->setChecked(gAll.VerifyAfterWrite);
    nProgram->addSeparator();
    T1 = AddCommand(nProgram, "T1", TCommand::PowerTest, tr("&Test Online"));

    nSetup = AddMenu(bar, "nSetup", tr("&Setup"));
    N4 = AddCommand(nSetup, "N4", TCommand::Model, tr("&Model Information"));
    nSetup->addSeparator();
    C2 = AddCommand(nSetup, "C2", TCommand::Port, tr("&Communication Port"));
    nLanguage = AddCommand(nSetup, "nLanguage", TCommand::Language, tr("Language File Setup"));

    // The View entries switch panels themselves instead of going through the dispatcher.
    nView = AddMenu(bar, "nView", tr("&View"));
    T4 = nView->addAction(tr("Tree &View"), this, [this] { pTree->setVisible(!pTree->isVisible()); });
    nView->addSeparator();
    nCool = nView->addAction(tr("&Toolbar"), this, [this](bool on) { pBar->setVisible(on); });
    nBar = nView->addAction(tr("&Status Bar"), this, [this](bool on) { MainBar->setVisible(on); });
    const std::array<std::pair<QAction*, std::pair<const char*, TCommand>>, 3> viewEntries = {
        {{T4, {"T4", TCommand::TreeView}},
         {nCool, {"nCool", TCommand::Toolbar}},
         {nBar, {"nBar", TCommand::StatusBar}}}};
    for (const auto& [action, nameTag] : viewEntries) {
        action->setObjectName(QString::fromLatin1(nameTag.first));
        action->setProperty("tag", static_cast<int>(nameTag.second));
    }
    for (QAction* toggle : {nCool, nBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    nWindow = AddMenu(bar, "nWindow", tr("&Window"));
    nC = AddCommand(nWindow, "nC", TCommand::Cascade, tr("&Cascade"));
    nH = AddCommand(nWindow, "nH", TCommand::TileHorizontally, tr("Tile Windows &Horizontally"));
    nV = AddCommand(nWindow, "nV", TCommand::TileVertically, tr("Tile Windows &Vertically"));
    npl = AddCommand(nWindow, "npl", TCommand::ArrangeIcons, tr("&Arrange Icons"));
    nWindow->addSeparator();
    nCloseAll = AddCommand(nWindow, "nCloseAll", TCommand::CloseAll, tr("Close All &Windows"));
    nWindow->menuAction()->setVisible(false);

    nHelp = AddMenu(bar, "nHelp", tr("&Help"));
    nHelpTopics = AddCommand(nHelp, "nHelpTopics", TCommand::HelpTopics, tr("&Help Topics"), {},
                             QKeySequence(QKeySequence::HelpContents));
    nHelp->addSeparator();
    nAbout = AddCommand(nHelp, "nAbout", TCommand::About, tr("About..."));
}

// Undo and Redo carry the caption of their step, so their texts come from the message texts and not from
// the form's section of the language file.
void TMainWindow::BuildUndoActions()
{
    nUndo = new QAction(this);
    nUndo->setObjectName(QStringLiteral("nUndo"));
    nUndo->setShortcut(QKeySequence(tr("Ctrl+Z")));
    connect(nUndo, &QAction::triggered, this, &TMainWindow::UndoCommand);
    nRedo = new QAction(this);
    nRedo->setObjectName(QStringLiteral("nRedo"));
    nRedo->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    connect(nRedo, &QAction::triggered, this, &TMainWindow::RedoCommand);
    UpdateUndoActions();
}

QAction* TMainWindow::AddToolButton(const char* name, TCommand command, const QString& hint, const QIcon& icon)
{
    auto* action = new QAction(icon, hint, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("tag", static_cast<int>(command));
    action->setToolTip(hint);
    tbar->addAction(action);
    connect(action, &QAction::triggered, this, [this, command] { ExecuteCommand(command); });
    return action;
}

void TMainWindow::BuildToolbar()
{
    pBar = new QWidget(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    auto* layout = new QHBoxLayout(pBar);
    layout->setContentsMargins(2, 1, 2, 1);
    tbar = new QToolBar(pBar);
    tbar->setObjectName(QStringLiteral("tbar"));
    tbar->setIconSize(QSize(16, 16));
    tbar->setMovable(false);
    layout->addWidget(tbar);
    tbNew = AddToolButton("tbNew", TCommand::New, tr("New"), ToolIcon(TToolPicture::New));
    tbOpen = AddToolButton("tbOpen", TCommand::Open, tr("Open"), ToolIcon(TToolPicture::Open));
    tbSave = AddToolButton("tbSave", TCommand::Save, tr("Save"), ToolIcon(TToolPicture::Save));
    tbar->addSeparator();
    tbUndo = AddUndoButton(tbar, "tbUndo", tr("Undo"), TToolPicture::Undo);
    tbRedo = AddUndoButton(tbar, "tbRedo", tr("Redo"), TToolPicture::Redo);
    connect(tbUndo, &QAction::triggered, this, &TMainWindow::UndoCommand);
    connect(tbRedo, &QAction::triggered, this, &TMainWindow::RedoCommand);
    tbar->addSeparator();
    ToolButton3 =
        AddToolButton("ToolButton3", TCommand::ChannelEdit, tr("Channel Edit"), ToolIcon(TToolPicture::ChannelEdit));
    tbar->addSeparator();
    tbPrint = AddToolButton("tbPrint", TCommand::Print, tr("Print"), ToolIcon(TToolPicture::Print));
    tbar->addSeparator();
    tbCom = AddToolButton("tbCom", TCommand::Port, tr("Com"), ToolIcon(TToolPicture::Com));
    tbar->addSeparator();
    tbRead = AddToolButton("tbRead", TCommand::ReadFromRadio, tr("Read"), ToolIcon(TToolPicture::Read));
    tbar->addSeparator();
    tbWrite = AddToolButton("tbWrite", TCommand::WriteToRadio, tr("Write"), ToolIcon(TToolPicture::Write));
    tbar->addSeparator();
    tbHelp = AddToolButton("tbHelp", TCommand::HelpTopics, tr("Help"), ToolIcon(TToolPicture::Help));
}

void TMainWindow::BuildTree()
{
    pTree = new QWidget(Splitter1);
    pTree->setObjectName(QStringLiteral("pTree"));
    auto* layout = new QVBoxLayout(pTree);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* header = new QHBoxLayout;
    header->addStretch();
    TreeHide = new QToolButton(pTree);
    TreeHide->setObjectName(QStringLiteral("TreeHide"));
    TreeHide->setText(QStringLiteral("X"));
    TreeHide->setAutoRaise(true);
    TreeHide->setFixedSize(14, 12);
    connect(TreeHide, &QToolButton::clicked, pTree, &QWidget::hide);
    header->addWidget(TreeHide);
    layout->addLayout(header);

    cxTree = new QTreeWidget(pTree);
    cxTree->setObjectName(QStringLiteral("cxTree"));
    cxTree->setHeaderHidden(true);
    cxTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cxTree->setExpandsOnDoubleClick(false);
    cxTree->viewport()->installEventFilter(this);
    layout->addWidget(cxTree, 1);

    auto* root = new QTreeWidgetItem(cxTree);
    root->setIcon(0, AppIcon());
    root->setData(0, kStateIndexRole, static_cast<int>(TCommand::RadioInfo));
    QIcon page = ToolIcon(TToolPicture::Page);
    page.addPixmap(ToolIcon(TToolPicture::PageSelected).pixmap(16), QIcon::Selected);
    for (TCommand command : {TCommand::RadioInfo, TCommand::VfoEdit, TCommand::ChannelTable, TCommand::FmRadio,
                             TCommand::Vox, TCommand::Scan, TCommand::OptionalFunctions, TCommand::Dtmf}) {
        auto* node = new QTreeWidgetItem(root);
        node->setIcon(0, page);
        node->setData(0, kStateIndexRole, static_cast<int>(command));
    }
}

void TMainWindow::BuildStatusBar()
{
    MainBar = new QStatusBar(this);
    MainBar->setObjectName(QStringLiteral("MainBar"));
    MainBar->setSizeGripEnabled(false);
    for (int i = 0; i < static_cast<int>(Panels.size()); ++i) {
        Panels[i] = new QLabel(MainBar);
        Panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const bool stretching = i == kStretchingPanel || i == kNotePanel;
        if (stretching)
            Panels[i]->setMinimumWidth(kPanelWidths[i == kNotePanel ? 0 : 1]);
        else
            Panels[i]->setFixedWidth(kPanelWidths[i]);
        MainBar->addWidget(Panels[i], stretching ? 1 : 0);
    }
    setStatusBar(MainBar);
}

void TMainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (Shown)
        return;
    Shown = true;
    FormShow();
}

void TMainWindow::FormShow()
{
    ImBack->setPixmap(BackgroundPixmap());
    MdiArea->setBackground(QBrush(ImBack->pixmap()));
    nLanguage->setVisible(gAll.LanguageSelectable);
    T1->setVisible(gAll.TestEnabled);
    PrepareFirstImage(gAll, gMacList);
    FillPorts();
    FillRecentMenu();
    std::string error;
    if (!EnsureSettingsFile(gAll, error))
        ShowFileError(error);
    DataFileName.clear();
    ApplyLanguage(this, false);
    SetTreeTexts();
    OpenEditor(TCommand::ChannelTable);
    gAll.Modified = false;
    cxTree->expandAll();
    cxTree->setCurrentItem(cxTree->topLevelItem(0));
    Timer->start();
    NewCommand();
}

void TMainWindow::FillPorts()
{
    cbCom->clear();
    cbCom->addItems(ListPorts(gAll));
    // A chosen port that is absent (the cable unplugged) stays the choice; the status bar says it is missing.
    const QString port = Text(gAll.ComPort).toUpper();
    gAll.ComPort = port.toStdString();
    cbCom->setCurrentIndex(cbCom->findText(port));
}

void TMainWindow::FillRecentMenu()
{
    nRecent->clear();
    for (size_t i = 0; i < gAll.RecentFiles.size(); ++i) {
        const QString path = Text(gAll.RecentFiles[i]);
        QAction* entry = nRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        entry->setObjectName(QStringLiteral("nRecent%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    nRecent->setEnabled(!gAll.RecentFiles.empty());
}

void TMainWindow::OpenRecentFile(const QString& path)
{
    EndEdits();
    if (!QFileInfo::exists(path)) {
        Message(FormatText(gLanguage.RecentMissing, {path.toStdString()}), TMessageKind::Information);
        ForgetRecentFile(gAll, path.toStdString());
        FillRecentMenu();
        KeepSettings();
        return;
    }
    if (AskToSaveChanges())
        OpenFile(path);
}

void TMainWindow::RememberFile(const QString& path)
{
    RememberRecentFile(gAll, QFileInfo(path).absoluteFilePath().toStdString());
    FillRecentMenu();
    KeepSettings();
}

void TMainWindow::KeepSettings()
{
    std::string error;
    if (!SaveSettings(gAll, error))
        ShowFileError(error);
}

bool TMainWindow::RestorePlace()
{
    return Places.RestoreMain(*this);
}

void TMainWindow::SetTreeTexts()
{
    QTreeWidgetItem* root = cxTree->topLevelItem(0);
    root->setText(0, Text(gAll.AppTitle));
    const std::array<QAction*, 8> pages = {nInfo, nFreq, nChInfo, nFm, nVox, nScan, nOpt, nDTMF};
    for (int i = 0; i < static_cast<int>(pages.size()); ++i)
        root->child(i)->setText(0, pages[i]->toolTip());
}

void TMainWindow::TimerTimer()
{
    const QDateTime now = QDateTime::currentDateTime();
    Panels[1]->setText(now.toString(QStringLiteral("yyyy/MM/dd")));
    Panels[2]->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

void TMainWindow::RefreshStatus()
{
    Panels[kNotePanel]->setText(UsedChannelCount(gAll) == 0 ? Text(gLanguage.EmptyHint) : QString());
    TimerTimer();
    Panels[3]->setText(PortStatus(lCom->text()));
    Panels[4]->setText(Text(gAll.ModelName));
    Panels[5]->setText(Text(gAll.BandText));
    // The desktop's convention: the document's name, its modified mark, the program.
    const QString name = DataFileName.isEmpty() ? Text(gLanguage.Untitled) : QFileInfo(DataFileName).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + Text(gAll.AppTitle));
    setWindowModified(gAll.Modified);
    UpdateUndoActions();
}

void TMainWindow::RefreshViews(TRefresh kind)
{
    switch (kind) {
    case TRefresh::CurrentRow:
        if (TEditorWindow* table = Editor(kChannelTable))
            table->ReloadChannel(gAll.CurrentChannel);
        break;
    case TRefresh::ReopenTable:
        CloseAllEditors();
        OpenEditor(TCommand::ChannelTable);
        break;
    case TRefresh::ChannelEditor:
        if (TEditorWindow* edit = Editor(kChannelEdit))
            edit->Reload();
        break;
    case TRefresh::TableAndEditor:
        if (TEditorWindow* table = Editor(kChannelTable))
            table->Reload();
        if (TEditorWindow* edit = Editor(kChannelEdit))
            edit->Reload();
        break;
    }
}

// Every open editor ends its edit in progress first, so a Save, a write or an undo never misses a typed value.
void TMainWindow::EndEdits()
{
    for (const auto& editor : Editors)
        if (editor)
            editor->FormDeactivate();
}

void TMainWindow::CommitEdit(const std::string& caption)
{
    Steps.Record(EditStateOf(gAll), caption);
    gAll.Modified = !Steps.AtSaved();
    Recovery->Changed();
    RefreshStatus();
}

void TMainWindow::ResetHistory()
{
    Steps.Reset(EditStateOf(gAll), !gAll.Modified);
    RefreshStatus();
}

void TMainWindow::ShowNote(const std::string& text)
{
    Panels[kNotePanel]->setText(Text(text));
}

void TMainWindow::UndoCommand()
{
    EndEdits();
    if (Steps.CanUndo())
        RestoreState(Steps.Undo());
}

void TMainWindow::RedoCommand()
{
    EndEdits();
    if (Steps.CanRedo())
        RestoreState(Steps.Redo());
}

// The open windows show the restored image as after an Open; windows built for another model's channel count
// are built afresh.
void TMainWindow::RestoreState(const TEditState& state)
{
    const int channels = gAll.ChannelCount;
    RestoreEditState(gAll, gMacList, state);
    gAll.Modified = !Steps.AtSaved();
    Recovery->Changed();
    if (gAll.ChannelCount != channels) {
        RefreshViews(TRefresh::ReopenTable);
    } else {
        for (const auto& editor : Editors)
            if (editor)
                editor->Reload();
    }
    RefreshStatus();
}

void TMainWindow::UpdateUndoActions()
{
    const auto caption = [](const std::string& entry, const std::string& step) {
        return step.empty() ? Text(entry) : Text(entry + " " + step);
    };
    nUndo->setText(caption(gLanguage.Undo, Steps.UndoCaption()));
    nRedo->setText(caption(gLanguage.Redo, Steps.RedoCaption()));
    nUndo->setEnabled(Steps.CanUndo());
    nRedo->setEnabled(Steps.CanRedo());
    if (tbUndo) {
        tbUndo->setEnabled(Steps.CanUndo());
        tbRedo->setEnabled(Steps.CanRedo());
        tbUndo->setToolTip(nUndo->text().remove(u'&'));
        tbRedo->setToolTip(nRedo->text().remove(u'&'));
    }
}

TEditorWindow* TMainWindow::Editor(const QString& formName) const
{
    return Editors.value(formName).data();
}

QMdiSubWindow* TMainWindow::SubWindowOf(const TEditorWindow* editor) const
{
    for (QMdiSubWindow* window : MdiArea->subWindowList())
        if (window->widget() == editor)
            return window;
    return nullptr;
}

void TMainWindow::OpenEditor(TCommand command)
{
    const auto& table = EditorList();
    const auto entry =
        std::find_if(table.begin(), table.end(), [command](const TEditorEntry& e) { return e.Command == command; });
    if (entry == table.end())
        return;
    const QString name = QString::fromLatin1(entry->FormName);
    TEditorWindow* editor = Editor(name);
    QMdiSubWindow* window = editor ? SubWindowOf(editor) : nullptr;
    if (!window) {
        editor = entry->Create();
        editor->setObjectName(name);
        editor->setAttribute(Qt::WA_DeleteOnClose);
        const bool borderless = editor->windowFlags().testFlag(Qt::FramelessWindowHint);
        window = MdiArea->addSubWindow(editor, borderless ? Qt::FramelessWindowHint : Qt::SubWindow);
        window->move(20, 20);
        window->installEventFilter(this);
        Editors.insert(name, editor);
        window->show();
        Places.Restore(*window, name);
    }
    window->show();
    if (window->isMinimized())
        window->showNormal();
    MdiArea->setActiveSubWindow(window);
    if (!editor->isAncestorOf(QApplication::focusWidget()))
        FocusFirstControl(editor);
}

// Freed without running its close handlers. The deletion waits for the event loop because the request may come
// from inside the very window (a click in the channel table), but the window leaves the document area at once.
void TMainWindow::FreeEditorWindow(QMdiSubWindow* window)
{
    if (auto* editor = qobject_cast<TEditorWindow*>(window->widget())) {
        Places.Remember(*window, editor->objectName());
        Editors.remove(editor->objectName());
    }
    MdiArea->removeSubWindow(window);
    window->deleteLater();
}

void TMainWindow::CloseAllEditors()
{
    while (!MdiArea->subWindowList().isEmpty())
        FreeEditorWindow(MdiArea->subWindowList().first());
}

void TMainWindow::ArrangeWindows(TCommand command)
{
    switch (command) {
    case TCommand::Cascade:
        MdiArea->cascadeSubWindows();
        break;
    case TCommand::TileHorizontally:
        TileWindows(MdiArea, true);
        break;
    case TCommand::TileVertically:
        TileWindows(MdiArea, false);
        break;
    case TCommand::ArrangeIcons:
        ArrangeIcons(MdiArea);
        break;
    case TCommand::CloseAll: {
        const QList<QMdiSubWindow*> windows = MdiArea->subWindowList();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            (*it)->close();
        break;
    }
    default:
        break;
    }
}

void TMainWindow::ExecuteCommand(TCommand command)
{
    EndEdits();
    switch (command) {
    case TCommand::New:
        NewCommand();
        break;
    case TCommand::Open:
        OpenCommand();
        break;
    case TCommand::Save:
        SaveCommand();
        break;
    case TCommand::SaveAs:
        SaveAsCommand();
        break;
    case TCommand::Exit:
        close();
        break;
    case TCommand::BatchEdit:
    case TCommand::VfoEdit:
    case TCommand::ChannelTable:
    case TCommand::ChannelEdit:
    case TCommand::FmRadio:
    case TCommand::Vox:
    case TCommand::OptionalFunctions:
    case TCommand::RadioInfo:
    case TCommand::Dtmf:
    case TCommand::Scan:
        OpenEditor(command);
        break;
    case TCommand::ReadFromRadio:
        ReadCommand();
        break;
    case TCommand::WriteToRadio:
        ShowWriteWindow(this);
        break;
    case TCommand::PowerTest:
        ShowPowerTestWindow(this);
        break;
    case TCommand::OpenBackup:
        OpenCommand(QString::fromStdString(BackupFolder(gAll)));
        break;
    case TCommand::VerifyAfterWrite:
        VerifyCommand();
        break;
    case TCommand::Model:
        ModelCommand();
        break;
    case TCommand::Port:
        ShowPortWindow(this);
        RefreshStatus();
        break;
    case TCommand::Language:
        LanguageCommand();
        break;
    case TCommand::Cascade:
    case TCommand::TileHorizontally:
    case TCommand::TileVertically:
    case TCommand::ArrangeIcons:
    case TCommand::CloseAll:
        ArrangeWindows(command);
        break;
    case TCommand::ExportCsv:
        Csv->Export();
        break;
    case TCommand::ImportCsv:
        Csv->Import();
        break;
    case TCommand::About:
        AboutCommand();
        break;
    case TCommand::HelpTopics:
        HelpCommand();
        break;
    case TCommand::Print:
        PrintDataSet(this, DataFileName);
        break;
    case TCommand::PrintPreview:
        PreviewDataSet(this, DataFileName);
        break;
    case TCommand::ExportPdf:
        ExportPdf(this, DataFileName);
        break;
    default:
        break; // key function, test frequency: nothing to do
    }
}

// True when the caller may go on: the image was not modified, the user chose not to save, or it was saved.
// Cancel, Esc and closing the box keep the work and stop the caller.
bool TMainWindow::AskToSaveChanges()
{
    if (!gAll.Modified)
        return true;
    switch (Message(gLanguage.SaveProgram, TMessageKind::YesNoCancel)) {
    case TAnswer::Yes:
        return SaveCommand();
    case TAnswer::No:
        return true;
    default:
        return false;
    }
}

bool TMainWindow::NewCommand()
{
    if (!AskToSaveChanges())
        return false;
    DataFileName.clear();
    NewDataSet(gAll, gMacList);
    RefreshViews(TRefresh::ReopenTable);
    gAll.Modified = false;
    ResetHistory();
    Recovery->Discard();
    return true;
}

void TMainWindow::OfferRecovery()
{
    if (!Recovery->Offer())
        return;
    DataFileName.clear();
    RefreshViews(TRefresh::ReopenTable);
    gAll.Modified = true;
    ResetHistory();
}

void TMainWindow::OpenCommand(const QString& folder)
{
    if (!AskToSaveChanges())
        return;
    const QString path = AskOpenFileName(this, TFileType::Data, folder);
    if (!path.isEmpty())
        OpenFile(path);
}

void TMainWindow::OpenFile(const QString& path)
{
    // A CSV file's channels join the data set in hand, as File > Import CSV... brings them.
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return Csv->ImportFile(path);
    const QString previous = DataFileName;
    DataFileName = path;
    std::string error;
    const TOpenResult result = OpenDataFile(gAll, gMacList, path.toStdString(), error, gLanguage);
    switch (result) {
    case TOpenResult::Ok:
    case TOpenResult::Incomplete:
    case TOpenResult::Oversized:
        RefreshViews(TRefresh::ReopenTable);
        gAll.Modified = false;
        ResetHistory();
        RememberFile(path);
        Recovery->Discard();
        if (result != TOpenResult::Ok)
            Message(error, TMessageKind::Warning);
        break;
    case TOpenResult::ModelUnknown:
    case TOpenResult::TooShort:
        DataFileName.clear();
        Message(error, TMessageKind::Error);
        break;
    case TOpenResult::CannotOpen:
        // The image still belongs to the previous file: a later Save must not overwrite the unreadable one.
        DataFileName = previous;
        ShowFileError(error);
        break;
    }
    RefreshStatus();
}

bool TMainWindow::WriteDataFile()
{
    std::string error;
    if (SaveDataFile(gAll, DataFileName.toStdString(), error)) {
        Steps.MarkSaved();
        Recovery->Discard();
        return true;
    }
    ShowFileError(error);
    return false;
}

bool TMainWindow::SaveCommand()
{
    bool saved = false;
    if (!DataFileName.isEmpty()) {
        saved = WriteDataFile();
    } else if (const QString chosen = AskSaveFileName(this, TFileType::Data, SuggestedFileName()); !chosen.isEmpty()) {
        DataFileName = WithDataExtension(chosen);
        if (!QFileInfo::exists(DataFileName) || Message(gLanguage.FileExists, TMessageKind::YesNo) == TAnswer::Yes)
            saved = WriteDataFile();
        // Declined, or nothing was written: the document still has no file.
        if (saved)
            RememberFile(DataFileName);
        else
            DataFileName.clear();
    }
    RefreshStatus();
    return saved;
}

bool TMainWindow::SaveAsCommand()
{
    DataFileName.clear();
    return SaveCommand();
}

// A read replaces the whole data set, so unsaved changes are offered for saving first, as New and Open do.
void TMainWindow::ReadCommand()
{
    if (!AskToSaveChanges() || !ShowReadWindow(this))
        return;
    DataFileName.clear();
    RefreshViews(TRefresh::ReopenTable);
    CommitEdit(gLanguage.ReadStep);
}

// The check item shows the choice; the settings file keeps it for the next start.
void TMainWindow::VerifyCommand()
{
    gAll.VerifyAfterWrite = !gAll.VerifyAfterWrite;
    nVerify->setChecked(gAll.VerifyAfterWrite);
    KeepSettings();
}

void TMainWindow::ModelCommand()
{
    TModelWindow dialog(this);
    dialog.exec();
    if (!dialog.OkResult)
        return;
    if (gAll.Modified && Message(gLanguage.ClearData, TMessageKind::YesNo) != TAnswer::Yes)
        return;
    // The new model's empty data set replaces the channels as one undo step, so the data set keeps its file
    // and Undo brings the old channels back.
    NewDataSet(gAll, gMacList);
    RefreshViews(TRefresh::ReopenTable);
    CommitEdit(gLanguage.ModelStep);
}

// The unsaved state of the image survives a language change: the editors are rebuilt, the data is not touched.
void TMainWindow::LanguageCommand()
{
    TLanguageWindow dialog(this);
    dialog.exec();
    if (!dialog.Changed)
        return;
    LoadMessageTexts(gLanguage, gAll, gAll.LanguageName);
    UseQtTranslations(gAll.LanguageName);
    ApplyLanguage(this, true);
    UpdateUndoActions();
    RefreshStatus();
    CloseAllEditors();
    SetTreeTexts();
    OpenEditor(TCommand::ChannelTable);
}

void TMainWindow::AboutCommand()
{
    TAboutWindow dialog(this);
    dialog.exec();
}

// The manual stays open beside the work, so it is not modal.
void TMainWindow::HelpCommand()
{
    if (!Help)
        Help = new THelpWindow(this);
    Help->show();
    Help->raise();
    Help->activateWindow();
}

void TMainWindow::cxTreeDblClick(const QPoint& position)
{
    QTreeWidgetItem* node = cxTree->itemAt(position);
    if (node && node->isSelected())
        ExecuteCommand(static_cast<TCommand>(node->data(0, kStateIndexRole).toInt()));
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cxTree->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        cxTreeDblClick(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    // An editor window the user closes leaves its place for the next time it opens.
    if (event->type() == QEvent::Close)
        if (auto* window = qobject_cast<QMdiSubWindow*>(watched); window && window->widget())
            Places.Remember(*window, window->widget()->objectName());
    return QMainWindow::eventFilter(watched, event);
}

void TMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// A dropped data file is opened as File > Open opens it; a CSV list is imported into the data set in hand.
void TMainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    EndEdits();
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) || AskToSaveChanges())
        OpenFile(path);
}

void TMainWindow::closeEvent(QCloseEvent* event)
{
    // The window's close button comes here without the dispatcher: a value still being typed counts too.
    EndEdits();
    // With nothing to lose the program ends at once; with unsaved changes the save question is the one
    // question, its Cancel the way back.
    if (!AskToSaveChanges()) {
        event->ignore();
        return;
    }
    for (QMdiSubWindow* window : MdiArea->subWindowList())
        if (window->widget())
            Places.Remember(*window, window->widget()->objectName());
    std::string error;
    if (!Places.Save(*this, error))
        ShowFileError(error);
    KeepSettings();
    Timer->stop();
    Recovery->Discard();
    event->accept();
}

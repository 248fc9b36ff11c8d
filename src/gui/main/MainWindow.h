// SPDX-License-Identifier: GPL-3.0-or-later
// The program's single top-level window: the document area for the editors, the menus, toolbar, tree of
// editor pages and status bar, and the commands that create, load and save data files and talk to the radio.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "core/model/EditHistory.h"
#include "core/model/Views.h"
#include "gui/main/WindowPlaces.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TCsvCommands;
class THelpWindow;
class TEditorWindow;
class TRecoveryKeeper;

class TMainWindow : public QMainWindow, public TViewsHost
{
    Q_OBJECT
  public:
    explicit TMainWindow(QWidget* parent = nullptr);
    ~TMainWindow() override;

    // The one dispatcher of menu entries, toolbar buttons and tree nodes.
    void ExecuteCommand(TCommand command) override;
    // Opens the editor of a command tag, or brings the open one forward; tags without an editor do nothing.
    void OpenEditor(TCommand command);
    void RefreshViews(TRefresh kind) override;
    void RefreshStatus() override;
    // One undo step per change to the image; New, Open and a restored recovery copy start afresh.
    void CommitEdit(const std::string& caption) override;
    void ResetHistory() override;
    // Panel 0 of the status bar: the note on the last edit, or the hint of an empty data set.
    void ShowNote(const std::string& text) override;
    void UndoCommand();
    void RedoCommand();
    const TEditHistory& History() const { return Steps; }
    void CloseAllEditors();
    void SetTreeTexts();
    // The open editor window of that object name, or nullptr.
    TEditorWindow* Editor(const QString& formName) const;

    // File commands; New and Save report whether they went through.
    bool NewCommand();
    // folder: where the open dialog starts (File > Open Backup... gives the backups folder).
    void OpenCommand(const QString& folder = {});
    // Opens that data file as Open does once the file is chosen (also the program's file argument and a
    // dropped file); a .csv file is imported into the data set in hand instead.
    void OpenFile(const QString& path);
    bool SaveCommand();
    bool SaveAsCommand();
    // Puts the window where the last run left it; false at the first start.
    bool RestorePlace();
    // At start-up: offers the recovery copy a program left behind; a restored data set has no file and is
    // modified, and its history starts there.
    void OfferRecovery();

    QString DataFileName;

    QMdiArea* MdiArea;
    QWidget* pBar;
    QToolBar* tbar;
    QWidget* pTree;
    QToolButton* TreeHide;
    QTreeWidget* cxTree;
    QSplitter* Splitter1;
    QStatusBar* MainBar;
    std::array<QLabel*, 7> Panels{};
    QComboBox* cbCom;
    QLabel* lCom;
    QLabel* ImBack;
    QTimer* Timer;
    TRecoveryKeeper* Recovery;

    QMenu* nFile;
    QMenu* nRecent;
    QMenu* nEdit;
    QMenu* nProgram;
    QMenu* nSetup;
    QMenu* nView;
    QMenu* nWindow;
    QMenu* nHelp;
    QAction *N1, *O1, *S2, *A1, *P2, *V2, *nExit;
    QAction *nImportCsv, *nExportCsv;
    QAction *nUndo, *nRedo;
    QAction *nInfo, *nFreq, *nChInfo, *nChEdit, *nBatch, *nFm, *nVox, *nScan, *nOpt, *nKey, *nDTMF, *E10;
    QAction *R1, *W2, *T1;
    QAction *N4, *C2, *nLanguage;
    QAction *T4, *nCool, *nBar;
    QAction *nC, *nH, *nV, *npl, *nCloseAll;
    QAction *nHelpTopics, *nAbout;
    QAction* nExportPdf;
    QAction *nOpenBackup, *nVerify;
    QAction *tbNew, *tbOpen, *tbSave, *ToolButton3, *tbPrint, *tbCom, *tbRead, *tbWrite, *tbHelp;
    QAction *tbUndo = nullptr, *tbRedo = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolbar();
    void BuildTree();
    void BuildStatusBar();
    void BuildUndoActions();
    void EndEdits();
    void RestoreState(const TEditState& state);
    void UpdateUndoActions();
    QAction* AddCommand(QMenu* menu, const char* name, TCommand command, const QString& caption,
                        const QString& hint = {}, const QKeySequence& shortcut = {});
    QAction* AddToolButton(const char* name, TCommand command, const QString& hint, const QIcon& icon);
    void FormShow();
    void FillPorts();
    void FillRecentMenu();
    void OpenRecentFile(const QString& path);
    // The file joins File > Recent Files and the settings file says so at once.
    void RememberFile(const QString& path);
    void KeepSettings();
    void TimerTimer();
    void cxTreeDblClick(const QPoint& position);
    void FreeEditorWindow(QMdiSubWindow* window);
    QMdiSubWindow* SubWindowOf(const TEditorWindow* editor) const;
    void ArrangeWindows(TCommand command);
    bool AskToSaveChanges();
    bool WriteDataFile();
    void ReadCommand();
    void VerifyCommand();
    void ModelCommand();
    void LanguageCommand();
    void AboutCommand();
    void HelpCommand();

    bool Shown = false;
    TCsvCommands* Csv = nullptr;
    QPointer<THelpWindow> Help; // made at the first Help > Help Topics
    TEditHistory Steps;
    QHash<QString, QPointer<TEditorWindow>> Editors;
    TWindowPlaces Places;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table: one row per memory channel, one column per channel field, every edit written straight
// into the image.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <utility>

#include "core/model/ChannelFields.h"
#include "gui/kit/EditorWindow.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class TCellList;
class TGrid;

class TChannelTableWindow : public TEditorWindow
{
    Q_OBJECT
  public:
    explicit TChannelTableWindow(QWidget* parent = nullptr);

    void Reload() override;
    void ReloadChannel(int channel) override;
    void FormDeactivate() override;

    void BuildGrid();
    void LoadRow(int channel);
    void LoadAllRows();
    void StoreCell(int row, int col);
    void CreateChannel(int channel, const QString& text);
    void DeleteChannel(int channel);
    // The channel field of a grid column and the key of its ColShow row.
    std::pair<TChannelField, QString> ColumnField(int col) const;
    // Opens the current cell's in-place list: a fixed list drops down at once, the tone list takes typed text.
    void ShowCellList(const QString& typed = {});
    void PlaceCellList(TCellList* list, bool presetByText);

    int ShownCount = 0;
    int SelCol = 2;
    int SelRow = 2;
    bool Loading = false;

    // The column definitions, row n (from 1) for channel field n: key "F-A-K", value "width@title".
    QTableWidget* ColShow;
    // The column titles' tooltips, row n for channel field n: key "ColTip", value the tooltip.
    QTableWidget* ColTip;
    TGrid* gvChs;
    // The no-tone text: item 0 of the tone list as the language file gives it.
    QLabel* lNone;
    TCellList* cxYnSw;
    TCellList* cxBand;
    TCellList* cxTail;
    TCellList* cxScan;
    TCellList* cxDcts;
    TCellList* cxPwrv;
    TCellList* cxBclo;
    TCellList* cxAnis;
    TCellList* cxApro;
    TCellList* cxDups;
    TCellList* cxPtts;
    TCellList* cxNySw;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildColShow();
    void BuildLists();
    TCellList* NewCellList(TChannelField field);
    void FormShow();
    void SetColumn(int col, TChannelField field, const QString& key, const QString& value);
    void FillColumnCells(int col, QChar kind);
    void FitWindow();
    int ContentWidth(int col, TChannelField field) const;
    void LoadCell(int col, int row, bool inUse);
    TCellList* ListOfField(TChannelField field) const;
    TChannelField FieldOf(int col) const;
    QChar KindOf(int col) const;
    int ChannelOf(int row) const;
    bool InUse(int row) const;
    void FollowChannel(int row);
    void OpenChannelEdit(int row);
    void gvChsMouseDown(int col, int row);
    void gvChsSelectCell(int col, int row);
    void gvChsSetForeText(int col, int row, const QString& text);
    void gvChsKeyPress(int col, int row, QLineEdit* editor);
    void gvChsOpenCell(int col, int row, const QString& typed);
    // Each stores a typed cell and returns the status bar note on what storing changed (empty: as typed).
    std::string EndRxEdit(int row, const QString& text);
    std::string EndTxEdit(int row, const QString& text);
    std::string EndTextEdit(int col, int row, TChannelField field, const QString& text);
    void ConnectCellList(TCellList* list);
    void ComBoxSetData(TCellList* list);
    void StoreTypedTone();
    void ComBoxExit();
    void ComBoxNavigate(int key, Qt::KeyboardModifiers modifiers);
    // One undo step for the cell's channel and column.
    void CommitCellEdit(int col, int row);

    // The in-place list of each field by field number, nullptr for fields without one.
    std::array<TCellList*, kChannelFieldCount + 1> FieldLists{};
    int GridWidth = 0;
    bool Placing = false;
    bool Shown = false;
};

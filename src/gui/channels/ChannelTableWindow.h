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
    void ShowCellList();
    void PlaceCellList(TCellList* list, bool presetByText);

    int ShownCount = 0;
    int SelCol = 2;
    int SelRow = 2;
    bool Loading = false;

    // The column definitions, row n (from 1) for channel field n: key "F-A-K", value "width@title".
    QTableWidget* ColShow;
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
    void EndRxEdit(int row, const QString& text);
    void EndTxEdit(int row, const QString& text);
    void EndTextEdit(int col, int row, TChannelField field, const QString& text);
    void ComBoxSetData(TCellList* list);
    void ComBoxExit();
    // One undo step for the cell's channel and column.
    void CommitCellEdit(int col, int row);
    // The step of a tone typed into the tone list, once the typing ends.
    void CommitToneEdit();

    // The in-place list of each field by field number, nullptr for fields without one.
    std::array<TCellList*, kChannelFieldCount + 1> FieldLists{};
    int GridWidth = 0;
    bool Placing = false;
    bool Shown = false;
    // The cell (column, row) whose typed tone is stored but not yet recorded as an undo step.
    std::optional<std::pair<int, int>> ToneCell;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The Communication Port dialog: the serial devices present with what the system says of them, a field for
// any device path, and COM1 to COM20, the names the settings file's section Ports gives to devices.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

class TPortWindow : public QDialog
{
    Q_OBJECT
  public:
    static constexpr int kButtons = 20;
    // The columns of cxDevices.
    enum TDeviceColumn { kPortColumn, kDeviceColumn, kDescriptionColumn, kStableNameColumn };

    // devRoot: the folder holding dev/ and sys/ the devices are looked for in ("/" but in tests).
    explicit TPortWindow(QWidget* parent = nullptr, const QString& devRoot = QStringLiteral("/"));

    QTreeWidget* cxDevices;
    QLabel* lbDevice;
    QLineEdit* cxDevicePath;
    QPushButton* btnRefresh;
    QGroupBox* cxPort;
    std::array<QRadioButton*, kButtons> cxPortButtons{};
    std::array<QLabel*, kButtons> clDevices{};
    QComboBox* cxCom;
    QLabel* lbName;
    QPushButton* btnOk;
    QPushButton* btnCancel;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    // Lists the present devices and enables the buttons of the present ports, again on Refresh.
    void FillDevices();
    void FillDeviceList();
    void DeviceChosen();
    void UncheckButtons();
    void btnOkClick();

    QString DevRoot;
};

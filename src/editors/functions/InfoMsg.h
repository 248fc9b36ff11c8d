// Radio information: the model, its bands, the radio's serial number and the time of the last write, as they
// were when the window was opened. It only displays.
#pragma once

#include "editors/functions/SettingsWindow.h"

class QLineEdit;

class TfInfoMsg : public TSettingsWindow
{
    Q_OBJECT
  public:
    explicit TfInfoMsg(QWidget* parent = nullptr);

  protected:
    void Fill() override;

  private:
    QLineEdit* AddBox(QGridLayout* grid, int row, const char* labelName, const QString& caption, const char* boxName);

    QLineEdit* cxModel;
    QLineEdit* cxFreq;
    QLineEdit* cxSerial;
    QLineEdit* cxRadioTime;
};

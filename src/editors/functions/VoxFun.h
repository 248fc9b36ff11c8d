// VOX settings: gain, delay and receive inhibit, bit fields of settings item 8.
#pragma once

#include "editors/functions/SettingsWindow.h"

class QComboBox;

class TfVoxFun : public TSettingsWindow
{
    Q_OBJECT
  public:
    explicit TfVoxFun(QWidget* parent = nullptr);

  protected:
    void Fill() override;

  private:
    void Store();

    QComboBox* cxVoxLv;
    QComboBox* cxVoxDv;
    QComboBox* cxVoxRs;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Help Topics: the manual that is built into the program, in a browser of its own. One window serves
// every call; F1 brings it back to the front.
#pragma once

#include <QDialog>

class QTextBrowser;

class THelpWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit THelpWindow(QWidget* parent = nullptr);

    QTextBrowser* Browser;
};

// The manual's page as the program carries it (HTML).
QString ManualPageUrl();

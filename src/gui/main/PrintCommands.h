// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print..., Print Preview and Export PDF...: the printed pages of the data set (print/PrintPages)
// through Qt Print Support. dataFileName is the open data file, empty for a data set never saved.
#pragma once

#include <QString>

class QWidget;

void PrintDataSet(QWidget* parent, const QString& dataFileName);
void PreviewDataSet(QWidget* parent, const QString& dataFileName);
// Asks for the PDF file's name (beside the data file, named after it) and writes the pages there.
void ExportPdf(QWidget* parent, const QString& dataFileName);

#ifndef REPORTSTEPS_H
#define REPORTSTEPS_H

#include "bench/listwindows.h"

#include <QString>
#include <QVector>

// A report as the benchmark runs it: chosen by its code in the Reports Center's tree,
// then Show Report with its panel as the panel opens, until the preview has its page.
struct CatalogueReportStep
{
    QString name; // the table says "Report: " and this
    QString code;
};

// Every report of the Reports Center that the benchmark runs, in the order of its table.
const QVector<CatalogueReportStep> &catalogueReportSteps();

// The report windows of their own, opened as the main window's commands open them and
// then driven over one year up to today.
const QVector<ListWindow> &reportWindows();

#endif // REPORTSTEPS_H

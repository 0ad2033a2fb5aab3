#ifndef CFILTERWIDGET_H
#define CFILTERWIDGET_H

#include <QWidget>

// A report's filter panel, shown by the reports center in its filter area while the
// report is chosen. The center runs any panel's report through runReport, which reads
// the panel's fields and calls the report with what they select.
class cFilterWidget : public QWidget
{
    Q_OBJECT

public:
    explicit cFilterWidget(QWidget *parent = nullptr);

    virtual void runReport();
};

#endif // CFILTERWIDGET_H

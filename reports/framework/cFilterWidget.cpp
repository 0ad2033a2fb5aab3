#include "reports/framework/cFilterWidget.h"

cFilterWidget::cFilterWidget(QWidget *parent) : QWidget(parent) {}

void cFilterWidget::runReport() {}

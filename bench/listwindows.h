#ifndef LISTWINDOWS_H
#define LISTWINDOWS_H

#include <QString>
#include <QVector>

#include <functional>

class QWidget;

// A list window as the benchmark opens it: built with no parent, as the main window's
// commands build it. With `drive`, the opening is not what is measured but what `drive`
// then does in the open window (typing a filter, say).
struct ListWindow
{
    QString name;
    std::function<QWidget *()> open;
    std::function<void(QWidget *window)> drive;
};

// Every list window the benchmark measures, in the order of its table.
const QVector<ListWindow> &listWindows();

#endif // LISTWINDOWS_H

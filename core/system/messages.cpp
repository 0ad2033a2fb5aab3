#include "core/system/messages.h"

namespace {
Messages::Responder &responder()
{
    static Messages::Responder instance;
    return instance;
}
}

void Messages::setResponder(const Responder &newResponder)
{
    responder() = newResponder;
}

QMessageBox::StandardButton Messages::show(Kind kind, QWidget *parent, const QString &title, const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton)
{
    if (responder())
        return responder()(kind, parent, title, text, buttons);
    switch (kind) {
    case Critical:
        return QMessageBox::critical(parent, title, text, buttons, defaultButton);
    case Information:
        return QMessageBox::information(parent, title, text, buttons, defaultButton);
    case Question:
        return QMessageBox::question(parent, title, text, buttons, defaultButton);
    case Warning:
        break;
    }
    return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Messages::critical(QWidget *parent, const QString &title, const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    return show(Critical, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Messages::information(QWidget *parent, const QString &title, const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    return show(Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Messages::question(QWidget *parent, const QString &title, const QString &text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    return show(Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Messages::warning(QWidget *parent, const QString &title, const QString &text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    return show(Warning, parent, title, text, buttons, defaultButton);
}

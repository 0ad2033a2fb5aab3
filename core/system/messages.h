#ifndef MESSAGES_H
#define MESSAGES_H

#include <QMessageBox>

#include <functional>

// Every message box of the program goes through here, with QMessageBox's static
// signatures, so that tests can record the boxes and answer them.
class Messages
{
public:
    enum Kind { Critical, Information, Question, Warning };

    static QMessageBox::StandardButton critical(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text,
                                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No),
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    using Responder = std::function<QMessageBox::StandardButton(Kind kind, QWidget *parent, const QString &title,
                                                                const QString &text, QMessageBox::StandardButtons buttons)>;
    // An empty responder restores the real boxes.
    static void setResponder(const Responder &responder);

private:
    static QMessageBox::StandardButton show(Kind kind, QWidget *parent, const QString &title, const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
};

#endif // MESSAGES_H

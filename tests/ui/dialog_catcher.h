// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QObject>
#include <QStringList>

#include <utility>

// Closes every dialog as soon as it is shown and keeps its title, text and buttons, so that a test can
// check the message it expected and fail, instead of hanging, on one it did not. The offscreen
// platform warns each time a message box is sized; thousands of them would bury a test's own
// output, so those warnings are dropped meanwhile.
class DialogCatcher : public QObject {
public:
    DialogCatcher()
    {
        qApp->installEventFilter(this);
        previousHandler() = qInstallMessageHandler(dropSizeHintWarnings);
    }
    ~DialogCatcher() override
    {
        qInstallMessageHandler(previousHandler());
        qApp->removeEventFilter(this);
    }

    QStringList takeTexts() { return std::exchange(m_texts, {}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && event->type() == QEvent::Show) {
            const auto* box = qobject_cast<QMessageBox*>(dialog);
            QString text = dialog->windowTitle() + '\n' + (box ? box->text() : QString());
            for (const QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>())
                text += "\n[" + button->text() + ']';
            m_texts << text;
            // Closed from the dialog's own event loop, once it is running.
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static QtMessageHandler& previousHandler()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (!message.contains(QLatin1String("propagateSizeHints")))
            previousHandler()(type, context, message);
    }

    QStringList m_texts;
};

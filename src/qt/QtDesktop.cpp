#include "qt/QtDesktop.h"

#include "window/Texts.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <vector>

namespace quelvar {

MsgAnswer QtDesktop::messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) {
    QMessageBox box(owner_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }

    struct Choice {
        const char* label;
        QMessageBox::ButtonRole role;
        MsgAnswer answer;
    };
    std::vector<Choice> choices;
    switch (buttons) {
    case MsgButtons::Ok: choices = {{textos::BotonAceptar, QMessageBox::AcceptRole, MsgAnswer::Ok}}; break;
    case MsgButtons::YesNo:
        choices = {{textos::BotonSi, QMessageBox::YesRole, MsgAnswer::Yes},
                   {textos::BotonNo, QMessageBox::NoRole, MsgAnswer::No}};
        break;
    case MsgButtons::YesNoCancel:
        choices = {{textos::BotonSi, QMessageBox::YesRole, MsgAnswer::Yes},
                   {textos::BotonNo, QMessageBox::NoRole, MsgAnswer::No},
                   {textos::BotonCancelar, QMessageBox::RejectRole, MsgAnswer::Cancel}};
        break;
    }
    std::vector<QPushButton*> added;
    for (const Choice& c : choices)
        added.push_back(box.addButton(QString::fromUtf8(c.label), c.role));
    // The first button is the default; Escape answers the last one (Cancel,
    // or No where there is no Cancel, or OK alone).
    box.setDefaultButton(added.front());
    box.setEscapeButton(added.back());
    box.exec();

    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i]) return choices[i].answer;
    return choices.back().answer;
}

bool QtDesktop::anotherInstanceRunning() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(dir + QStringLiteral("/quelvar.lock"));
    // A lock left by a killed instance names a dead process: QLockFile
    // recognises it as stale at once.
    lock_->setStaleLockTime(0);
    return !lock_->tryLock(0);
}

} // namespace quelvar

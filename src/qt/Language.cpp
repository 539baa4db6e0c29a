#include "qt/Language.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace quelvar {

namespace {

// Key names stay as written: searched before Qt's translation, it answers
// only for them and leaves every other text to the translation.
class KeyNames : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override {
        if (context && std::strcmp(context, "QShortcut") == 0) return QString::fromUtf8(sourceText);
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

void speakSpanish() {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // Both live as long as the program.
    static QTranslator qtSpanish;
    static KeyNames keyNames;
    if (qtSpanish.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);
    QApplication::installTranslator(&keyNames);
}

} // namespace quelvar

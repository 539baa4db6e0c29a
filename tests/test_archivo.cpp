// The file commands through the fake desktop: dialogs, questions, captions,
// menus, and what is kept when something fails.

#include "TestSupport.h"

using namespace quelvar;
using namespace quelvar::test;

namespace {
const char* const SaveQuestionStart = "Desea guardar los cambios realizados \n\nen ";
const char* const ExitQuestion = "Seguro que desea salir de ''Quelvar'' ?";
const std::string Bet1 = "1\r\n7\r\n12\r\n3\r\n40\r\n25\r\n2\r\n9\r\n";

// Started, manual, with 7, 12, 3, 40, 25 and stars 2, 9 on bet 1.
struct Filled : Started {
    Filled() {
        manual();
        for (int k : {7, 12, 3, 40, 25})
            f.lblNral_Click(k);
        f.lblEstrella_Click(2);
        f.lblEstrella_Click(9);
    }
};

std::string saveQuestion(const char* tail) { return std::string(SaveQuestionStart) + tail; }
} // namespace

#define QCOMPARE_ERROR(box, TEXT, TITLE)                                                                               \
    do {                                                                                                               \
        QCOMPARE(q((box).text), QString::fromUtf8(TEXT));                                                              \
        QVERIFY((box).buttons == MsgButtons::Ok);                                                                      \
        QVERIFY((box).icon == MsgIcon::None);                                                                          \
        QCOMPARE(q((box).title), QString::fromUtf8(TITLE));                                                            \
    } while (false)

class TestArchivo : public QObject {
    Q_OBJECT
private slots:
    void saveWithoutFileAsksForOne() {
        Filled s;
        s.desk.env["WinDir"] = "/home/ana/apuestas";
        s.desk.choose(std::nullopt);
        s.f.menuClick(FrmQuelvar::Menu::mnuGuardar);
        QCOMPARE(s.desk.dialogs.size(), std::size_t(1));
        const FileDialog& d = s.desk.dialogs[0];
        QVERIFY(d.mode == FileDialog::Mode::SaveAs);
        QCOMPARE(q(d.title), QStringLiteral("Guardar como..."));
        QCOMPARE(q(d.filterName + " (" + d.filterPattern + ")"), QStringLiteral("Quelvar (*.qlv)"));
        QCOMPARE(q(d.defaultSuffix), QStringLiteral("qlv"));
        QCOMPARE(q(d.initialDir), QStringLiteral("/home/ana/apuestas"));
        QCOMPARE(s.desk.writes, 0);
        QVERIFY(s.m.Modificado);
        QVERIFY(s.f.mnuGuardar.Enabled);
        QVERIFY(s.desk.boxes.empty());
    }

    void saveAsNamesTheWindow() {
        Filled s;
        s.desk.choose("/tmp/t/jueves.qlv");
        s.f.menuClick(FrmQuelvar::Menu::mnuGuardarComo);
        QCOMPARE(s.desk.dialogs[0].initialDir, std::string()); // WinDir unset: the dialog's default
        QCOMPARE(q(s.desk.files["/tmp/t/jueves.qlv"]), q(Bet1));
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - jueves"));
        QCOMPARE(q(s.m.ArchivoActual), QStringLiteral("/tmp/t/jueves.qlv"));
        QVERIFY(!s.m.Modificado);
        QVERIFY(s.f.mnuGuardar.Enabled); // save-as leaves the menus alone

        // From now on save writes to that file, without a dialog, and only
        // when there is something new.
        s.f.mnuGuardar_Click();
        QCOMPARE(s.desk.writes, 1);
        s.f.lblEstrella_Click(9);
        s.f.mnuGuardar_Click();
        QCOMPARE(s.desk.writes, 2);
        QCOMPARE(q(s.desk.files["/tmp/t/jueves.qlv"]), QStringLiteral("1\r\n7\r\n12\r\n3\r\n40\r\n25\r\n2\r\n\r\n"));
        QVERIFY(!s.m.Modificado);
        QVERIFY(!s.f.mnuGuardar.Enabled);
        QCOMPARE(s.desk.dialogs.size(), std::size_t(1));
    }

    void openNamesTheWindowInQuotes() {
        Started s;
        s.desk.files["/d/jueves.qlv"] = Bet1;
        s.desk.choose("/d/jueves.qlv");
        s.f.menuClick(FrmQuelvar::Menu::mnuAbrir);
        const FileDialog& d = s.desk.dialogs[0];
        QVERIFY(d.mode == FileDialog::Mode::Open);
        QCOMPARE(q(d.title), QStringLiteral("Abrir"));
        QCOMPARE(q(d.defaultSuffix), QString());
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''jueves''"));
        QCOMPARE(q(s.m.ArchivoActual), QStringLiteral("/d/jueves.qlv"));
        QCOMPARE(dumpCells(s.f), QStringLiteral("1.3 1.7 1.12 1.25 1.40 1*2 1*9"));
        QVERIFY(s.f.mnuCerrar.Enabled && s.f.mnuBorrar.Enabled);
        QVERIFY(!s.f.mnuGuardar.Enabled && !s.f.mnuGuardarComo.Enabled);
        QVERIFY(!s.m.Modificado);

        // Close without changes does nothing; after a change it asks.
        s.f.mnuCerrar_Click();
        QVERIFY(s.desk.boxes.empty());
        s.manual();
        s.f.lblNral_Click(7);
        s.desk.answer(MsgAnswer::No);
        s.f.mnuCerrar_Click();
        QCOMPARE_BOX(s.desk.boxes[0], saveQuestion("''jueves''").c_str(), MsgButtons::YesNoCancel, MsgIcon::Question);
        QCOMPARE(dumpCells(s.f), QString());
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''jueves''"));
        QCOMPARE(q(s.m.ArchivoActual), QStringLiteral("/d/jueves.qlv"));
        QVERIFY(!s.f.mnuCerrar.Enabled);
        QVERIFY(s.f.cmdApuesta.Enabled);
        QVERIFY(!s.m.Modificado);
    }

    void closeYesSavesThenEmpties() {
        Filled s;
        s.desk.answer(MsgAnswer::Yes);
        s.desk.choose("/d/b.qlv");
        s.f.mnuCerrar_Click();
        QCOMPARE_BOX(s.desk.boxes[0], saveQuestion("''Nueva apuesta''").c_str(), MsgButtons::YesNoCancel,
                     MsgIcon::Question);
        QCOMPARE(q(s.desk.files["/d/b.qlv"]), q(Bet1));
        QCOMPARE(dumpCells(s.f), QString());
        QVERIFY(!s.f.mnuCerrar.Enabled);

        Filled t;
        t.desk.answer(MsgAnswer::Cancel);
        t.f.mnuCerrar_Click();
        QVERIFY(t.m.Modificado);
        QVERIFY(t.f.mnuCerrar.Enabled);
        QVERIFY(!dumpCells(t.f).isEmpty());

        Filled u; // Yes, then the save-as dialog cancelled: nothing is emptied
        u.desk.answer(MsgAnswer::Yes);
        u.desk.choose(std::nullopt);
        u.f.cmdApuesta.Enabled = false;
        u.f.mnuCerrar_Click();
        QVERIFY(u.m.Modificado);
        QVERIFY(u.f.mnuCerrar.Enabled);
        QVERIFY(!dumpCells(u.f).isEmpty());
        QVERIFY(u.f.cmdApuesta.Enabled);
    }

    void openAfterNoThenCancelKeepsTheBoardsEmpty() {
        Filled s;
        s.desk.answer(MsgAnswer::No);
        s.desk.choose(std::nullopt);
        s.f.mnuAbrir_Click();
        QCOMPARE(dumpCells(s.f), QString());
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''Nueva apuesta''"));
        QVERIFY(!s.m.Modificado);
        QVERIFY(s.m.ArchivoActual.empty());
    }

    void openAfterAnUnsavedYesStops() {
        Filled s;
        const QString before = dumpSlots(s.f, s.m);
        s.desk.answer(MsgAnswer::Yes);
        s.desk.choose(std::nullopt); // the save-as dialog
        s.f.mnuAbrir_Click();
        QCOMPARE(s.desk.dialogs.size(), std::size_t(1)); // no open dialog after it
        QCOMPARE(dumpSlots(s.f, s.m), before);
        QVERIFY(s.m.Modificado);
    }

    // A file named from outside (a file manager, the command line) opens as
    // the open command opens the path its dialog gives.
    void openAfterASavedYes() {
        for (bool outside : {false, true}) {
            Filled s;
            s.desk.files["/d/otra.qlv"] = "1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n";
            s.desk.answer(MsgAnswer::Yes);
            s.desk.choose("/d/mia.qlv");
            if (outside) {
                s.f.abrirDesdeFuera("/d/otra.qlv");
            } else {
                s.desk.choose("/d/otra.qlv");
                s.f.mnuAbrir_Click();
            }
            QCOMPARE(s.desk.dialogs.size(), std::size_t(outside ? 1 : 2));
            QCOMPARE(q(s.desk.files["/d/mia.qlv"]), q(Bet1));
            QCOMPARE(dumpCells(s.f), QStringLiteral("1.1 1.2 1.3 1.4 1.5 1*6 1*7"));
            QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''otra''"));
            QCOMPARE(q(s.m.ArchivoActual), QStringLiteral("/d/otra.qlv"));
            QVERIFY(!s.m.Modificado);
        }
        Filled t; // Cancel keeps the ticket
        t.desk.answer(MsgAnswer::Cancel);
        t.f.abrirDesdeFuera("/d/otra.qlv");
        QVERIFY(t.m.Modificado);
        QVERIFY(!dumpCells(t.f).isEmpty());
    }

    void openFailures_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("empty file") << QByteArray() << "Error: 62 La entrada se ha pasado del final del archivo"
                                    << false;
        QTest::newRow("too large") << QByteArray(64 * 1024 + 1, '1') << "Error: 7 too large" << false;
        QTest::newRow("too few lines") << QByteArray("2\r\n1\r\n") << "Error: 9 Subíndice fuera del intervalo" << true;
        QTest::newRow("count too big") << QByteArray("256\r\n") << "Error: 6 Desbordamiento" << true;
        QTest::newRow("no such file") << QByteArray("missing") << "Error: 53 No se ha encontrado el archivo" << false;
        QTest::newRow("path too long") << QByteArray("long")
                                       << "Error: 52 El nombre del archivo es demasiado largo (más de 254 caracteres)"
                                       << false;
    }
    void openFailures() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QFETCH(bool, cleared);
        for (bool outside : {false, true}) {
            Filled s;
            s.m.Modificado = false;
            const QString cells = dumpCells(s.f);
            const std::string path = bytes == "long" ? "/d/" + std::string(250, 'x') + ".qlv" : "/d/mala.qlv";
            if (bytes != "missing") s.desk.files[path] = bytes.toStdString();
            if (!outside) s.desk.choose(path);
            s.desk.answer(MsgAnswer::Ok);
            if (outside)
                s.f.abrirDesdeFuera(path);
            else
                s.f.mnuAbrir_Click();
            QCOMPARE(s.desk.boxes.size(), std::size_t(1));
            QCOMPARE(q(s.desk.boxes[0].text), error);
            QCOMPARE(q(s.desk.boxes[0].title), QStringLiteral("mnuAbrir_Click"));
            QVERIFY(s.desk.boxes[0].icon == MsgIcon::None);
            QCOMPARE(dumpCells(s.f), cleared ? QString() : cells);
            QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''Nueva apuesta''"));
            QVERIFY(s.m.ArchivoActual.empty());
        }
    }

    void openOfANonNumberIsSilent() {
        Filled s;
        s.m.Modificado = false;
        s.desk.files["/d/texto.qlv"] = "hola\r\n";
        s.desk.choose("/d/texto.qlv");
        s.f.mnuAbrir_Click();
        QVERIFY(s.desk.boxes.empty());
        QCOMPARE(dumpCells(s.f), QString());
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''Nueva apuesta''"));
    }

    void shortNamesFailAfterTheWork() {
        Filled s;
        s.desk.choose("/d/x.q");
        s.desk.answer(MsgAnswer::Ok);
        s.f.GuardarComo();
        QCOMPARE(q(s.desk.files["/d/x.q"]), q(Bet1)); // written before the caption failed
        QCOMPARE_ERROR(s.desk.boxes[0], "Error: 5 Llamada a procedimiento o argumento no válidos",
                       "mnuGuardarComo_Click");
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''Nueva apuesta''"));
        // Later saves go where the ticket was written.
        QCOMPARE(q(s.m.ArchivoActual), QStringLiteral("/d/x.q"));
        QVERIFY(s.m.Modificado);

        // Opened over a ticket that came from another file: a save must not
        // write the opened ticket over that one.
        Started t;
        t.m.ArchivoActual = "/d/otra.qlv";
        t.desk.files["/d/otra.qlv"] = "0\r\n";
        t.desk.files["/d/abc"] = Bet1;
        t.desk.choose("/d/abc");
        t.desk.answer(MsgAnswer::Ok);
        t.f.mnuAbrir_Click();
        QCOMPARE_ERROR(t.desk.boxes[0], "Error: 5 Llamada a procedimiento o argumento no válidos", "mnuAbrir_Click");
        QCOMPARE(dumpCells(t.f), QStringLiteral("1.3 1.7 1.12 1.25 1.40 1*2 1*9"));
        t.m.Modificado = true;
        t.f.mnuGuardar_Click();
        QCOMPARE(q(t.desk.files["/d/otra.qlv"]), QStringLiteral("0\r\n"));
        QCOMPARE(q(t.desk.files["/d/abc"]), q(Bet1));
        QCOMPARE(q(t.m.ArchivoActual), QStringLiteral("/d/abc"));
    }

    void longPathsAreRefused() {
        const std::string path = "/" + std::string(250, 'a') + ".qlv"; // 255 characters
        Filled s;
        s.desk.choose(path);
        s.desk.answer(MsgAnswer::Ok);
        s.f.GuardarComo();
        QCOMPARE(s.desk.writes, 0);
        QCOMPARE_ERROR(s.desk.boxes[0], "Error: 52 El nombre del archivo es demasiado largo (más de 254 caracteres)",
                       "mnuGuardarComo_Click");
        QVERIFY(s.m.Modificado);

        Filled t; // 254 characters, two of them two bytes long, are fine
        const std::string ok = "/ñ" + std::string(246, 'a') + "ñ.qlv";
        t.desk.choose(ok);
        t.f.GuardarComo();
        QCOMPARE(t.desk.writes, 1);
        QVERIFY(!t.m.Modificado);
    }

    void failedSavesAreReportedByTheirCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("yeses"); // questions answered Yes before the save
        QTest::addColumn<QString>("title");
        QTest::newRow("save") << "save" << 0 << "mnuGuardar_Click";
        QTest::newRow("save as") << "save as" << 0 << "mnuGuardarComo_Click";
        QTest::newRow("close: nothing emptied") << "close" << 1 << "mnuCerrar_Click";
        QTest::newRow("open: ends before its dialog") << "open" << 1 << "mnuAbrir_Click";
        QTest::newRow("exit: the window stays") << "exit" << 2 << "Form_Unload";
        QTest::newRow("shape: kept") << "shape" << 1 << "mnuApMul_Click";
    }
    void failedSavesAreReportedByTheirCommand() {
        QFETCH(QString, command);
        QFETCH(int, yeses);
        QFETCH(QString, title);
        Filled s;
        s.desk.failing["/d/a.qlv"] = {false, 61, "Disco lleno", {}};
        if (command == "save as")
            s.desk.choose("/d/a.qlv");
        else
            s.m.ArchivoActual = "/d/a.qlv";
        for (int i = 0; i < yeses; ++i)
            s.desk.answer(MsgAnswer::Yes);
        s.desk.answer(MsgAnswer::Ok);
        const QString before = dumpSlots(s.f, s.m);
        int cancel = 0;
        if (command == "save") s.f.menuClick(FrmQuelvar::Menu::mnuGuardar);
        if (command == "save as") s.f.menuClick(FrmQuelvar::Menu::mnuGuardarComo);
        if (command == "close") s.f.mnuCerrar_Click();
        if (command == "open") s.f.mnuAbrir_Click();
        if (command == "exit") s.f.Form_Unload(cancel);
        if (command == "shape") s.f.mnuApMul_Click();
        QCOMPARE(int(s.desk.boxes.size()), yeses + 1);
        QCOMPARE_ERROR(s.desk.boxes.back(), "Error: 61 Disco lleno", qPrintable(title));
        QCOMPARE(dumpSlots(s.f, s.m), before);
        QVERIFY(s.m.Modificado);
        QVERIFY(s.f.mnuGuardar.Enabled);
        QCOMPARE(s.desk.dialogs.size(), std::size_t(command == "save as"));
        QCOMPARE(cancel, command == "exit" ? -1 : 0);
        QVERIFY(s.f.mnuApSen.Checked);
    }

    void exit_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("saveAsCancelled");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("stays");
        QTest::addColumn<int>("writes");
        QTest::newRow("no") << true << QList<int>{int(MsgAnswer::No)} << false << 1 << true << 0;
        QTest::newRow("yes, nothing to save") << false << QList<int>{int(MsgAnswer::Yes)} << false << 1 << false << 0;
        QTest::newRow("yes, yes, saved") << true << QList<int>{int(MsgAnswer::Yes), int(MsgAnswer::Yes)} << false << 2
                                         << false << 1;
        QTest::newRow("yes, yes, save-as cancelled")
            << true << QList<int>{int(MsgAnswer::Yes), int(MsgAnswer::Yes)} << true << 2 << true << 0;
        QTest::newRow("yes, no") << true << QList<int>{int(MsgAnswer::Yes), int(MsgAnswer::No)} << false << 2 << false
                                 << 0;
        QTest::newRow("yes, cancel") << true << QList<int>{int(MsgAnswer::Yes), int(MsgAnswer::Cancel)} << false << 2
                                     << true << 0;
    }
    void exit() {
        QFETCH(bool, changed);
        QFETCH(QList<int>, answers);
        QFETCH(bool, saveAsCancelled);
        QFETCH(int, boxes);
        QFETCH(bool, stays);
        QFETCH(int, writes);
        Filled s;
        s.m.Modificado = changed;
        for (int a : answers)
            s.desk.answer(MsgAnswer(a));
        if (answers.size() == 2 && MsgAnswer(answers[1]) == MsgAnswer::Yes)
            s.desk.choose(saveAsCancelled ? std::nullopt : std::optional<std::string>("/d/fin.qlv"));
        const QString before = dumpSlots(s.f, s.m);
        int cancel = 0;
        s.f.Form_Unload(cancel);
        QCOMPARE(int(s.desk.boxes.size()), boxes);
        QCOMPARE_BOX(s.desk.boxes[0], ExitQuestion, MsgButtons::YesNo, MsgIcon::Question);
        if (boxes == 2)
            QCOMPARE_BOX(s.desk.boxes[1], saveQuestion("''Nueva apuesta''").c_str(), MsgButtons::YesNoCancel,
                         MsgIcon::Question);
        QCOMPARE(cancel, stays ? -1 : 0);
        QCOMPARE(s.desk.writes, writes);
        QCOMPARE(dumpSlots(s.f, s.m), before);
    }

    void exitMenuAsksTheWindowToClose() {
        Started s;
        const int before = s.desk.contar(Pedido::Tipo::Cierre);
        s.f.menuClick(FrmQuelvar::Menu::mnuSalir);
        QCOMPARE(s.desk.contar(Pedido::Tipo::Cierre), before + 1);
        QVERIFY(s.desk.boxes.empty()); // the questions come with the unload
    }

    void multipleWithoutSizeIsNotSavedEmpty() {
        Started s;
        s.manual();
        s.multiple(7);
        s.f.lblNral_Click(5);
        s.f.lblEstrella_Click(3);
        s.m.CantidadMultiple = 0; // the size was dropped
        s.f.lblApmul[7].aplicar(LookLibre);
        s.m.ArchivoActual = "/d/m.qlv";
        s.desk.answer(MsgAnswer::Ok);
        s.f.mnuGuardar_Click();
        QCOMPARE_BOX(s.desk.boxes[0],
                     "Debe seleccionar la cantidad de números \n\nque desea jugar en esta apuesta múltiple.",
                     MsgButtons::Ok, MsgIcon::Information);
        QVERIFY(s.f.Timer1.Enabled);
        QCOMPARE(s.desk.writes, 0);
        QVERIFY(s.m.Modificado);

        s.desk.answer(MsgAnswer::Ok);
        s.f.GuardarComo(); // asks before any dialog
        QCOMPARE(s.desk.boxes.size(), std::size_t(2));
        QVERIFY(s.desk.dialogs.empty());

        Started e; // nothing in it: saved as the count 0 and two empty stars
        e.multiple(0);
        e.m.Modificado = true;
        e.desk.choose("/d/vacia.qlv");
        e.f.GuardarComo();
        QCOMPARE(q(e.desk.files["/d/vacia.qlv"]), QStringLiteral("0\r\n\r\n\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestArchivo)
#include "test_archivo.moc"

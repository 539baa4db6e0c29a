// Start-up, the menu tree and the control groups.

#include "TestSupport.h"

using namespace quelvar;
using namespace quelvar::test;
using Menu = FrmQuelvar::Menu;

class TestInicio : public QObject {
    Q_OBJECT
private slots:
    void startUp() {
        Started s;
        QCOMPARE(q(s.f.Caption), QStringLiteral("Quelvar - ''Nueva apuesta''"));
        QVERIFY(s.desk.boxes.empty());
        QVERIFY(s.m.HayLugarNumero && s.m.HayLugarEstrella);
        QCOMPARE(s.m.ApuestaActual, 1);
        QVERIFY(!s.m.Modificado);
        QVERIFY(s.released());
        QCOMPARE(q(s.f.cmdApuesta.Caption), QStringLiteral("APUESTAS SENCILLAS"));
        for (int b = 1; b <= Apuestas; ++b) {
            for (int k = 1; k <= NumerosPorTablero; ++k) {
                QCOMPARE(s.f.tablero[b].lblNral[k].BackColor, 0xFFFFFFu);
                QCOMPARE(s.f.tablero[b].lblNral[k].ForeColor, 0xFF8080u);
                QVERIFY(s.m.Numeros[b][(k - 1) % NumerosPorApuesta + 1].isFree());
            }
        }
        for (const auto& t : FrmQuelvar::temporizadores()) {
            QVERIFY(!(s.f.*t.control).Enabled);
            QCOMPARE((s.f.*t.control).Interval, (t.numero == 1 || t.numero == 4) ? 250 : 10);
        }
    }

    // A second start ends at once: with a file that the running instance
    // takes, silently; otherwise with the message.
    void secondInstance_data() {
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<bool>("taken");
        QTest::newRow("no file") << false << true;
        QTest::newRow("a file, taken") << true << true;
        QTest::newRow("a file, not taken") << true << false;
    }
    void secondInstance() {
        QFETCH(bool, withFile);
        QFETCH(bool, taken);
        FakeDesktop desk;
        desk.otherInstance = true;
        if (withFile) desk.startedWith = "/home/ana/jueves.qlv";
        desk.handOverTaken = taken;
        const bool message = !(withFile && taken);
        if (message) desk.answer(MsgAnswer::Ok);
        Programa prog(desk);
        QVERIFY(!prog.frmQuelvar.Form_Load());
        QCOMPARE(desk.handedOver,
                 withFile ? std::vector<std::string>{"/home/ana/jueves.qlv"} : std::vector<std::string>{});
        QCOMPARE(desk.boxes.size(), std::size_t(message ? 1 : 0));
        if (message)
            QCOMPARE_BOX(desk.boxes[0], "Ya se esta ejecutando una instancia de Quelvar", MsgButtons::Ok,
                         MsgIcon::Information);
        // Nothing else of the start-up ran.
        QCOMPARE(q(prog.frmQuelvar.Caption), QStringLiteral("Quelvar"));
        QCOMPARE(prog.modulo.ApuestaActual, 0);
    }

    void menuTree_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("shortcut");
        auto row = [](Menu id, const char* name, const char* caption, bool en, bool ch, const char* sc) {
            QTest::newRow(name) << int(id) << QString::fromUtf8(caption) << en << ch << QString::fromUtf8(sc);
        };
        row(Menu::mnuArchivo, "mnuArchivo", "Archivo", true, false, "");
        row(Menu::mnuAbrir, "mnuAbrir", "Abrir apuesta", true, false, "Ctrl+A");
        row(Menu::mnuGuardar, "mnuGuardar", "Guardar apuesta", false, false, "Ctrl+G");
        row(Menu::mnuGuardarComo, "mnuGuardarComo", "Guardar apuesta como", false, false, "Ctrl+C");
        row(Menu::mnuCerrar, "mnuCerrar", "Cerrar", false, false, "Ctrl+E");
        row(Menu::sep1, "sep1", "", true, false, "");
        row(Menu::mnuSalir, "mnuSalir", "Salir", true, false, "Ctrl+S");
        row(Menu::mnuApuesta, "mnuApuesta", "Apuestas", true, false, "");
        row(Menu::mnuApSen, "mnuApSen", "Apuestas sencillas", true, true, "F5");
        row(Menu::mnuApMul, "mnuApMul", "Apuesta múltiple", true, false, "F6");
        row(Menu::msep3, "msep3", "", true, false, "");
        row(Menu::mnuApAleatoria, "mnuApAleatoria", "Apuesta aleatoria", true, true, "");
        row(Menu::mnuApManual, "mnuApManual", "Apuesta manual", true, false, "");
        row(Menu::sep2, "sep2", "", true, false, "");
        row(Menu::mnuBorrar, "mnuBorrar", "Borrar apuestas", false, false, "Ctrl+X");
        row(Menu::mnuImprimir, "mnuImprimir", "Imprimir", true, false, "");
        row(Menu::mnuImpBoleto, "mnuImpBoleto", "Imprimir boleto", false, false, "");
        row(Menu::mnuAyuda, "mnuAyuda", "Ayuda", true, false, "");
        row(Menu::mnuAcercaDe, "mnuAcercaDe", "Acerca de...", true, false, "");
    }
    void menuTree() {
        QFETCH(int, id);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(QString, shortcut);
        Started s;
        const ItemMenu& it = s.f.item(Menu(id));
        QCOMPARE(q(it.Caption), caption);
        QCOMPARE(it.Enabled, enabled);
        QCOMPARE(it.Checked, checked);
        QCOMPARE(q(it.Shortcut), shortcut);
        QCOMPARE(it.separador, caption.isEmpty());
        // The tree lists the item exactly once, in the order of the table.
        const auto& tree = FrmQuelvar::arbolMenu();
        QCOMPARE(int(tree.size()), 19);
        QCOMPARE(int(tree[std::size_t(id)].id), id);
    }

    void itemsActOnlyWhenUsable() {
        Started s;
        QVERIFY(s.f.activo(Menu::mnuAbrir));
        QVERIFY(!s.f.activo(Menu::mnuGuardar));
        QVERIFY(!s.f.activo(Menu::mnuImpBoleto));
        QVERIFY(!s.f.activo(Menu::sep1));
        s.manual();
        s.f.lblNral_Click(1); // a change marks the ticket
        QVERIFY(s.m.Modificado);
        for (Menu id : {Menu::mnuGuardar, Menu::mnuGuardarComo, Menu::mnuCerrar, Menu::mnuBorrar})
            QVERIFY(s.f.activo(id));
        // The window lock kills every item through its top-level menu.
        s.lock();
        QVERIFY(s.lockedAsBefore());
        for (const auto& e : FrmQuelvar::arbolMenu())
            QVERIFY(!s.f.activo(e.id));
        QVERIFY(s.f.mnuGuardar.Enabled); // the item keeps its own state
        s.f.Form_Load();                 // the window release, and nothing of the button
        QVERIFY(s.f.BarraActiva);
        QVERIFY(!s.f.cmdApuesta.Enabled); // the release leaves the button to its caller
        QVERIFY(s.f.activo(Menu::mnuGuardar));
    }

    void focusOnlyOnAnEnabledButton() {
        Started s;
        // The multiple-bet command asks for the focus whatever the button's
        // state; only an enabled button can take it.
        const int before = s.focusRequests();
        s.f.cmdApuesta.Enabled = false;
        s.f.mnuApMul_Click();
        QCOMPARE(s.focusRequests(), before);
        Started t;
        t.f.cmdApuesta.Enabled = true;
        t.f.mnuApMul_Click();
        QCOMPARE(t.focusRequests(), before + 1);
    }

    void timersCountTheirStarts() {
        Grabadora window;
        Temporizador t{10, false, 4, &window};
        t.habilitar(true);
        t.habilitar(true); // already running: no new interval
        QCOMPARE(window.arranques(4), 1);
        t.habilitar(false);
        t.habilitar(true);
        QCOMPARE(window.arranques(4), 2);
    }
};

QTEST_APPLESS_MAIN(TestInicio)
#include "test_inicio.moc"

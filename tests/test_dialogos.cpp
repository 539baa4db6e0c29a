// The delete-bets dialog, the about box and the toolbar, on their models.

#include "TestSupport.h"

using namespace quelvar;
using namespace quelvar::test;

namespace {
QString boxes(const FrmBorrar& d) {
    QStringList out;
    for (int n = 1; n <= Apuestas; ++n)
        out << QString(d.Check[n].Enabled ? "E" : "-") + (d.Check[n].Value == 1 ? "x" : "o");
    return out.join(' ');
}

// Bets 1 and 3 with numbers, bet 2 with only a star.
struct Mixed : Started {
    FrmBorrar& d = prog.frmBorrar;
    Mixed() {
        manual();
        for (int k = 1; k <= 5; ++k)
            f.lblNral_Click(k);
        f.lblEstrella_Click(1);
        f.lblEstrella_Click(2);
        f.lblEstrella2_Click(5);
        m.Numeros[3][1] = "30";
        f.tablero[3].lblNral[30].aplicar(LookSeleccionada);
        m.Modificado = false;
        d.Form_Load();
    }
};
} // namespace

class TestDialogos : public QObject {
    Q_OBJECT
private slots:
    void boxesOfBetsWithContent() {
        Mixed s;
        QCOMPARE(boxes(s.d), QStringLiteral("-o -o -o -o -o"));
        QCOMPARE(q(s.d.Check[3].Caption), QStringLiteral("Apuesta 3"));
        QCOMPARE(q(s.d.Caption), QStringLiteral("Quelvar"));
        s.d.Form_Activate();
        QCOMPARE(boxes(s.d), QStringLiteral("Ex Ex Ex -o -o"));
        QCOMPARE(s.desk.cierres(Formulario::Borrar), 0); // still open

        // The user keeps bet 2; a new activation checks it again.
        s.d.Check[2].Value = 0;
        s.d.Form_Activate();
        QCOMPARE(boxes(s.d), QStringLiteral("Ex Ex Ex -o -o"));
        s.d.Check[2].Value = 0;
        s.f.cmdApuesta.Enabled = false;
        s.d.cmdAceptar_Click();
        QCOMPARE(s.desk.cierres(Formulario::Borrar), 1);
        QCOMPARE(dumpCells(s.f), QStringLiteral("2*5"));
        QCOMPARE(dumpSlots(s.f, s.m), QStringLiteral("S:,,,,/,;,,,,/5,;,,,,/,;,,,,/,;,,,,/,"));
        QVERIFY(s.m.Modificado);
        QVERIFY(s.f.cmdApuesta.Enabled);
        QVERIFY(!s.d.ConDatos[1] && !s.d.ConDatos[3]);
    }

    void cancelAndEscapeChangeNothing() {
        for (int way = 0; way < 3; ++way) {
            Mixed s;
            s.d.Form_Activate();
            const QString before = dumpSlots(s.f, s.m);
            if (way == 0) s.d.cmdCancelar_Click();
            if (way == 1) s.d.Form_KeyPress(27);
            if (way == 2) {
                s.d.Form_KeyPress('a');                          // other keys do nothing
                QCOMPARE(s.desk.cierres(Formulario::Borrar), 0); // still open
                s.d.Form_KeyPress(13);
                QCOMPARE(s.desk.cierres(Formulario::Borrar), 0); // still open
                continue;
            }
            QCOMPARE(s.desk.cierres(Formulario::Borrar), 1);
            QCOMPARE(dumpSlots(s.f, s.m), before);
            QVERIFY(!s.m.Modificado);
        }
    }

    void emptySimpleTicketClosesAtOnce() {
        Started s;
        s.f.mnuBorrar.Enabled = true;
        FrmBorrar& d = s.prog.frmBorrar;
        s.desk.onShow = [&](Formulario form) {
            QVERIFY(form == Formulario::Borrar);
            d.Form_Activate();
        };
        s.f.menuClick(FrmQuelvar::Menu::mnuBorrar);
        QCOMPARE(s.desk.shown.size(), std::size_t(1));
        QCOMPARE(s.desk.cierres(Formulario::Borrar), 1);
        QVERIFY(!s.f.mnuBorrar.Enabled);
    }

    void loadingGivesTheDesignStateBack() {
        Mixed s;
        s.d.Form_Activate();
        s.d.BorrarApuesta1();
        s.d.BorrarApuesta3();
        s.desk.onShow = [&](Formulario) { s.d.Form_Activate(); };
        s.f.mnuBorrar.Enabled = true;
        s.f.mnuBorrar_Click();
        QCOMPARE(boxes(s.d), QStringLiteral("-o Ex -o -o -o"));
    }

    void multipleBet_data() {
        QTest::addColumn<bool>("keepChecked");
        QTest::newRow("box checked") << true;
        QTest::newRow("box unchecked") << false;
    }
    void multipleBet() {
        QFETCH(bool, keepChecked);
        Started s;
        s.multipleByHand(7);
        for (int k : {4, 8, 15, 16, 23, 42, 50})
            s.f.lblNral_Click(k);
        s.f.lblEstrella_Click(6);
        s.m.Modificado = false;
        s.f.cmdApuesta.Enabled = false;
        FrmBorrar& d = s.prog.frmBorrar;
        d.Form_Load();
        d.Form_Activate();
        QCOMPARE(boxes(d), QStringLiteral("Ex -o -o -o -o"));
        const QString before = dumpSlots(s.f, s.m);
        if (!keepChecked) d.Check[1].Value = 0;
        d.cmdAceptar_Click();
        QCOMPARE(s.desk.cierres(Formulario::Borrar), 1);
        QVERIFY(s.m.Modificado);
        QVERIFY(s.f.cmdApuesta.Enabled);
        if (keepChecked) {
            QCOMPARE(dumpSlots(s.f, s.m), QStringLiteral("M0:,,,,,,,,,/,"));
            QCOMPARE(dumpCells(s.f), QString());
        } else {
            // Unchecking the box is how the user keeps the bet.
            QCOMPARE(dumpSlots(s.f, s.m), before);
            QCOMPARE(s.m.CantidadMultiple, 7);
        }
        QVERIFY(s.f.mnuApMul.Checked);
    }

    void emptyMultipleKeepsTheDialogOpen() {
        Started s;
        s.f.mnuApMul_Click();
        FrmBorrar& d = s.prog.frmBorrar;
        d.Form_Load();
        d.Form_Activate();
        QCOMPARE(s.desk.cierres(Formulario::Borrar), 0); // still open
        QCOMPARE(boxes(d), QStringLiteral("-o -o -o -o -o"));
        // No box can be checked, yet "Aceptar" still drops the size.
        s.f.lblApmul_Click(8);
        d.Form_Activate();
        d.cmdAceptar_Click();
        QCOMPARE(s.m.CantidadMultiple, 0);
        QCOMPARE(dumpCells(s.f), QString());
    }

    void aboutBox() {
        Started s;
        FrmAcercaDe& a = s.prog.frmAcercaDe;
        QCOMPARE(q(a.Caption), QStringLiteral("Acerca de Quelvar"));
        QCOMPARE(q(a.Label1[2]), QStringLiteral("Versión: 2.0.5"));
        QCOMPARE(q(a.lblMailto), QStringLiteral("Contactar al autor"));
        QCOMPARE(q(a.lblVinc), QStringLiteral("https://quelvar.example.org/"));
        a.lblMailto_Click();
        a.lblVinc_Click();
        QCOMPARE(s.desk.opened.size(), std::size_t(2));
        QCOMPARE(q(s.desk.opened[0].first), QStringLiteral("open"));
        QCOMPARE(q(s.desk.opened[0].second), QStringLiteral("mailto:autor@quelvar.example.org?Subject=Quelvar"));
        QCOMPARE(q(s.desk.opened[1].first), QStringLiteral("Open"));
        QCOMPARE(q(s.desk.opened[1].second), QStringLiteral("https://quelvar.example.org/"));
        a.Form_KeyPress('x');
        QCOMPARE(s.desk.cierres(Formulario::AcercaDe), 0); // still open
        a.Form_KeyPress(27);
        QCOMPARE(s.desk.cierres(Formulario::AcercaDe), 1);
    }

    void toolbarHitTest_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("position");
        QTest::newRow("left of the first") << 214.0f << 0;
        QTest::newRow("first starts") << 215.0f << 1;
        QTest::newRow("first ends") << 964.0f << 1;
        QTest::newRow("second starts") << 965.0f << 2;
        QTest::newRow("half rounds to even, down") << 963.5f << 1;
        QTest::newRow("half rounds to even, up") << 964.5f << 2;
        QTest::newRow("twelfth") << 215.0f + 750 * 11 + 10 << 12;
        QTest::newRow("past the twelfth") << 215.0f + 750 * 12 << 13;
        QTest::newRow("far left") << -40.0f << 0;
    }
    void toolbarHitTest() {
        QFETCH(float, x);
        QFETCH(int, position);
        QCOMPARE(Barra::posicionBarra(x), position);
    }

    void raisedPictureFollowsTheMouse() {
        Started s;
        s.f.pTools_MouseMove(0, 0, 215 + 750 * 2 + 100, 300);
        QCOMPARE(s.f.BotonActual, 3);
        QCOMPARE(s.f.imRaised.Picture, 3);
        QCOMPARE(s.f.imRaised.Left, 215 + 750 * 2);
        QCOMPARE(s.f.imRaised.Top, 30);
        s.f.pTools_MouseMove(0, 0, 215 + 750 * 10 + 5, 300); // "Imprimir": no picture
        QCOMPARE(s.f.BotonActual, 11);
        QCOMPARE(s.f.imRaised.Picture, 0);
        s.f.pTools_MouseMove(0, 0, 215 + 750 * 12 + 5, 300);
        QCOMPARE(s.f.BotonActual, 13);
        QCOMPARE(s.f.imRaised.Picture, 0);
        s.f.pTools_MouseMove(0, 0, 300, 300);
        QCOMPARE(s.f.imRaised.Picture, 1);
        s.f.Form_MouseMove(0, 0, 0, 0);
        QCOMPARE(s.f.BotonActual, 0);
        QCOMPARE(s.f.imRaised.Picture, 0);
    }

    void toolbarClicks_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("effect");
        QTest::addColumn<int>("alone"); // the position whose item alone is enabled; 0 as at start
        QTest::newRow("1 open") << 1 << "dialog Abrir" << 0;
        QTest::newRow("5 exit") << 5 << "close" << 0;
        QTest::newRow("6 simple") << 6 << "nothing" << 0;
        QTest::newRow("7 multiple") << 7 << "multiple" << 0;
        QTest::newRow("8 random") << 8 << "nothing" << 0;
        QTest::newRow("9 manual") << 9 << "manual" << 0;
        QTest::newRow("11 print") << 11 << "nothing" << 0;
        QTest::newRow("12 about") << 12 << "about" << 0;
        QTest::newRow("2 save, disabled") << 2 << "nothing" << 0;
        QTest::newRow("3 save as, disabled") << 3 << "nothing" << 0;
        QTest::newRow("4 close, disabled") << 4 << "nothing" << 0;
        QTest::newRow("10 delete, disabled") << 10 << "nothing" << 0;
        // Each position follows its own item, and that item alone.
        QTest::newRow("2 save, alone enabled") << 2 << "dialog Guardar como..." << 2;
        QTest::newRow("3 save as, alone enabled") << 3 << "dialog Guardar como..." << 3;
        QTest::newRow("4 close, alone enabled") << 4 << "question" << 4;
        QTest::newRow("10 delete, alone enabled") << 10 << "delete" << 10;
        QTest::newRow("10 delete, close enabled") << 10 << "nothing" << 4;
    }
    void toolbarClicks() {
        QFETCH(int, position);
        QFETCH(QString, effect);
        QFETCH(int, alone);
        Started s;
        s.desk.choose(std::nullopt);
        s.desk.onShow = [](Formulario) {};
        const std::map<int, ItemMenu ControlesQuelvar::*> items{{2, &ControlesQuelvar::mnuGuardar},
                                                                {3, &ControlesQuelvar::mnuGuardarComo},
                                                                {4, &ControlesQuelvar::mnuCerrar},
                                                                {10, &ControlesQuelvar::mnuBorrar}};
        if (alone) {
            (s.f.*items.at(alone)).Enabled = true;
            s.m.Modificado = true;
        }
        if (alone == 4 && position == 4) s.desk.answer(MsgAnswer::Cancel);
        s.f.pTools_MouseMove(0, 0, 215 + 750 * (position - 1) + 1, 100);
        s.f.pTools_Click();
        QString seen = "nothing";
        if (!s.desk.dialogs.empty()) seen = "dialog " + q(s.desk.dialogs[0].title);
        if (s.desk.contar(Pedido::Tipo::Cierre)) seen = "close";
        if (s.f.mnuApMul.Checked) seen = "multiple";
        if (s.f.mnuApManual.Checked) seen = "manual";
        if (!s.desk.shown.empty()) seen = s.desk.shown[0] == Formulario::AcercaDe ? "about" : "delete";
        if (!s.desk.boxes.empty()) seen = "question";
        QCOMPARE(seen, effect);
        QCOMPARE(s.f.BotonActual, 0);
        QCOMPARE(s.f.imRaised.Picture, 0);
    }

    void enabledItemsRunFromTheToolbar() {
        Started s;
        s.manual();
        s.f.lblNral_Click(9);
        s.desk.choose("/d/t.qlv");
        s.f.pTools_MouseMove(0, 0, 215 + 750 * 1 + 1, 100); // save
        s.f.pTools_Click();
        QCOMPARE(s.desk.dialogs.size(), std::size_t(1));
        QCOMPARE(q(s.desk.dialogs[0].title), QStringLiteral("Guardar como..."));
        QVERIFY(!s.m.Modificado);
        s.desk.onShow = [&](Formulario f) {
            QVERIFY(f == Formulario::Borrar);
            s.prog.frmBorrar.Form_Activate();
            s.prog.frmBorrar.cmdAceptar_Click();
        };
        s.f.pTools_MouseMove(0, 0, 215 + 750 * 9 + 1, 100); // delete
        s.f.pTools_Click();
        QCOMPARE(dumpCells(s.f), QString());
    }

    void lockedToolbarIgnoresClicks() {
        Started s;
        s.lock();
        s.f.pTools_MouseMove(0, 0, 215 + 750 * 6 + 1, 100);
        s.f.pTools_Click();
        QVERIFY(s.f.mnuApSen.Checked);
        QCOMPARE(s.f.BotonActual, 7); // not accepted: the raised look stays
        QCOMPARE(s.f.imRaised.Picture, 7);
    }
};

QTEST_APPLESS_MAIN(TestDialogos)
#include "test_dialogos.moc"

// The window as designed, checked against figures copied by hand from the
// design, not re-read from the table; then the structure of the rest.
#include <set>

#include <QtTest>

#include "runtime/runtime_error.h"
#include "window/control_model.h"
#include "window/design.h"

using namespace planner;

namespace {

const ControlDesign* find(std::string_view name, int index)
{
    for (const ControlDesign& d : designTable())
        if (d.name == name && d.index == index)
            return &d;
    return nullptr;
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

class TestDesign : public QObject {
    Q_OBJECT
private slots:
    void sampleControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRect>("twips"); // left, top, width, height
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("look"); // font / border / alignment / colour
        const auto L = int(Kind::Label), S = int(Kind::ScrollBar), B = int(Kind::Button);
        QTest::newRow("Label1") << "Label1" << -1 << L << QRect(240, 120, 855, 375)
                                << "Frequency mhz."
                                << ""
                                << "default/none/centre/face";
        QTest::newRow("Label5 keeps its blanks")
            << "Label5" << -1 << L << QRect(4320, 120, 735, 375) << "   Depth   in ins."
            << ""
            << "default/none/centre/face";
        QTest::newRow("Label6 is taller")
            << "Label6" << -1 << L << QRect(5280, 120, 855, 495) << "Focal Length"
            << ""
            << "default/none/centre/face";
        QTest::newRow("lblFreq sits lower")
            << "lblFreq" << -1 << L << QRect(240, 720, 735, 255) << "1200"
            << ""
            << "bold/single/centre/face";
        QTest::newRow("lblFdr") << "lblFdr" << -1 << L << QRect(2280, 600, 615, 255) << ".49"
                                << ""
                                << "bold/single/centre/face";
        QTest::newRow("Label9") << "Label9" << -1 << L << QRect(1320, 960, 615, 255) << "254"
                                << "Diameter in millimeters"
                                << "default/single/centre/face";
        QTest::newRow("Label11") << "Label11" << -1 << L << QRect(5280, 960, 855, 255) << "197.96"
                                 << "Focal length in Millimeters"
                                 << "default/single/centre/face";
        QTest::newRow("vsbDepth") << "vsbDepth" << -1 << S << QRect(4440, 1320, 255, 1815) << ""
                                  << ""
                                  << "default/none/left/face";
        QTest::newRow("cmdExit") << "cmdExit" << -1 << B << QRect(7680, 360, 1095, 375) << "E&xit"
                                 << ""
                                 << "default/none/centre/face";
        QTest::newRow("label8(0) tooltip") << "label8" << 0 << L << QRect(120, 3360, 345, 255) << ""
                                           << "Centre of dish only Radius dimentions shown shown "
                                           << "default/none/left/face";
        QTest::newRow("label8(5) tooltip")
            << "label8" << 5 << L << QRect(2520, 3360, 345, 255) << ""
            << "One inch or 25.4 mm. appart"
            << "default/none/left/face";
        QTest::newRow("label8(6)") << "label8" << 6 << L << QRect(3000, 3360, 345, 255) << ""
                                   << ""
                                   << "default/none/left/face";
        QTest::newRow("label7(0)") << "label7" << 0 << L << QRect(120, 3720, 345, 15) << "1"
                                   << ""
                                   << "default/none/centre/cyan";
        QTest::newRow("label7(14)") << "label7" << 14 << L << QRect(6840, 3720, 345, 15) << "15"
                                    << ""
                                    << "default/none/centre/cyan";
        for (int i : {15, 18, 19}) {
            QTest::addRow("label7(%d) left", i)
                << "label7" << i << L << QRect(120 + 480 * i, 3720, 345, 15)
                << QString::number(i + 1) << ""
                << "default/none/left/cyan";
        }
        QTest::newRow("label7(20)") << "label7" << 20 << L << QRect(9720, 3720, 345, 15) << ""
                                    << ""
                                    << "default/none/left/cyan";
    }
    void sampleControls()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(int, kind);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        QFETCH(QString, look);
        const ControlDesign* d = find(name.toStdString(), index);
        QVERIFY(d);
        QCOMPARE(int(d->kind), kind);
        QCOMPARE(QRect(d->twips.left, d->twips.top, d->twips.width, d->twips.height), twips);
        QCOMPARE(text(d->caption), caption);
        QCOMPARE(text(d->tooltip), tooltip);
        const QString actual =
            QStringList{d->font == Font::Bold ? "bold" : "default", d->border ? "single" : "none",
                        d->align == Align::Center ? "centre" : "left",
                        !d->backColor               ? "face"
                        : *d->backColor == 0x00FFFF ? "cyan"
                                                    : "other"}
                .join('/');
        QCOMPARE(actual, look);
    }

    void scrollBars_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::addColumn<QList<int>>("settings"); // min, max, value, small, large
        QTest::newRow("vsbFreq") << "vsbFreq" << 480 << QList<int>{1200, 10000, 1200, 1, 100};
        QTest::newRow("vsbDiam") << "vsbDiam" << 1440 << QList<int>{10, 40, 10, 1, 1};
        QTest::newRow("vsbDepth") << "vsbDepth" << 4440 << QList<int>{10, 50, 20, 1, 1};
    }
    void scrollBars()
    {
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(QList<int>, settings);
        const ControlDesign* d = find(name.toStdString(), -1);
        QVERIFY(d);
        QCOMPARE(d->twips.left, left);
        const ScrollSettings& s = d->scroll;
        QCOMPARE((QList<int>{s.min, s.max, s.value, s.smallChange, s.largeChange}), settings);
    }

    void structure()
    {
        const auto& table = designTable();
        QCOMPARE(int(table.size()), 61);
        std::set<std::string_view> lone;
        for (int i = 0; i < loneControls; ++i)
            lone.insert(table[i].name);
        QCOMPARE(int(lone.size()), 19);
        for (const auto& [array, name, top, height] :
             {std::tuple{LabelArray::label8, "label8", 3360, 255},
              std::tuple{LabelArray::label7, "label7", 3720, 15}}) {
            for (int i = 0; i < arrayMembers; ++i) {
                const ControlDesign& d = table[row(array, i)];
                QCOMPARE(text(d.name), QString(name));
                QCOMPARE(d.index, i);
                QCOMPARE(d.twips.left, 120 + 480 * i);
                QCOMPARE(d.twips.top, top);
                QCOMPARE(d.twips.width, 345);
                QCOMPARE(d.twips.height, height);
            }
        }
        for (const ControlDesign& d : table) {
            QVERIFY(d.twips.left + d.twips.width <= clientWidth);
            if (d.name != "label7")
                QVERIFY2(d.twips.top + d.twips.height <= 3735, d.name.data());
        }
    }

    void arraysAreBounded_data()
    {
        QTest::addColumn<int>("array");
        QTest::addColumn<int>("index");
        for (int a : {0, 1})
            for (int i : {-1, 21, 50})
                QTest::addRow("%s(%d)", a ? "label7" : "label8", i) << a << i;
    }
    void arraysAreBounded()
    {
        QFETCH(int, array);
        QFETCH(int, index);
        ControlModel m;
        const auto a = LabelArray(array);
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError, m.caption(a, index));
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError, m.setCaption(a, index, "x"));
        QVERIFY_THROWS_EXCEPTION(rt::RuntimeError, m.setHeight(a, index, 1.0f));
        try {
            m.setBarHeight(std::int16_t(index), 1.0f);
            QFAIL("no error");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.code(), rt::ErrorCode::SubscriptOutOfRange);
        }
    }

    void controlsByName()
    {
        QCOMPARE(ctlNamed("lblFdr"), Ctl::lblFdr);
        QCOMPARE(ctlNamed("cmdExit"), Ctl::cmdExit);
        QVERIFY(!ctlNamed("label7"));
        QVERIFY(!ctlNamed("lblfdr"));
    }

    void modelStartsAtDesignTime()
    {
        ControlModel m;
        QCOMPARE(m.caption(Ctl::Label5), "   Depth   in ins.");
        QCOMPARE(m.caption(LabelArray::label7, 19), "20");
        QCOMPARE(m.height(LabelArray::label7, 20), 15.0f);
        QCOMPARE(m.value(Ctl::vsbDepth), 20);
        m.setCaption(LabelArray::label8, 3, "0.13");
        m.setHeight(LabelArray::label7, 1, 13.888889f);
        QCOMPARE(m.takeChangedRows(),
                 (std::vector<int>{row(LabelArray::label8, 3), row(LabelArray::label7, 1)}));
        QVERIFY(m.takeChangedRows().empty());
    }
};

QTEST_GUILESS_MAIN(TestDesign)
#include "tst_design.moc"

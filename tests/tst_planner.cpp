// The planner's whole job through real widget events: the figures shown
// after start-up and after moving each bar, compared as the texts shown.
#include <QRandomGenerator>
#include <QtTest>

#include "window/planner_handlers.h"
#include "window/planner_window.h"
#include "window_probe.h"
#include "window_test.h"

using probe::bar;
using Captions = QMap<QString, QString>;
Q_DECLARE_METATYPE(Captions)

namespace {

const QStringList figureNames = {"lblFreq", "lblDiam", "Label9",  "lblGain", "lblDepth",
                                 "Label10", "lblFlen", "Label11", "lblFdr"};

Captions shown(QWidget* w)
{
    Captions c;
    for (const QString& name : figureNames)
        c[name] = probe::caption(w, name);
    for (int r = 0; r <= 20; ++r) {
        c[QStringLiteral("label8(%1)").arg(r)] =
            probe::caption(w, QStringLiteral("label8(%1)").arg(r));
        c[QStringLiteral("bar(%1)").arg(r)] =
            QString::number(w->findChild<QWidget*>(QStringLiteral("label7(%1)").arg(r))->height());
    }
    return c;
}

// What a freshly started window shows once its bars are set to these values.
Captions freshWindow(int freq, int diam, int depth)
{
    using namespace planner;
    ControlModel m;
    PlannerHandlers h(m, [] {});
    h.Form_Load();
    const std::tuple<Ctl, int, void (PlannerHandlers::*)()> moves[] = {
        {Ctl::vsbFreq, freq, &PlannerHandlers::vsbFreq_Change},
        {Ctl::vsbDiam, diam, &PlannerHandlers::vsbDiam_Change},
        {Ctl::vsbDepth, depth, &PlannerHandlers::vsbDepth_Change}};
    for (const auto& [bar, value, handler] : moves) {
        if (m.value(bar) != value) {
            m.setValue(bar, std::int16_t(value));
            (h.*handler)();
        }
    }
    Captions c;
    for (const QString& name : figureNames) {
        c[name] = QString::fromStdString(m.caption(*ctlNamed(name.toStdString())));
    }
    for (int r = 0; r <= 20; ++r) {
        c[QStringLiteral("label8(%1)").arg(r)] =
            QString::fromStdString(m.caption(LabelArray::label8, r));
        c[QStringLiteral("bar(%1)").arg(r)] =
            QString::number(qRound(m.height(LabelArray::label7, r) / 15.0f));
    }
    return c;
}

} // namespace

class TestPlanner : public WindowTest {
    Q_OBJECT

private slots:

    void figures_data()
    {
        QTest::addColumn<int>("freq"); // 0: leave the bar alone
        QTest::addColumn<int>("diam");
        QTest::addColumn<int>("depth");
        QTest::addColumn<Captions>("expected");
        QTest::newRow("start-up") << 0 << 10 << 20
                                  << Captions{{"lblFreq", "1200"}, {"lblDiam", "10"},
                                              {"Label9", "254"},   {"lblGain", "5"},
                                              {"lblDepth", "2"},   {"Label10", "50.8"},
                                              {"lblFlen", "3.13"}, {"Label11", "79.502"},
                                              {"lblFdr", "0.31"},  {"label8(5)", "2.02"},
                                              {"label8(6)", ""}};
        QTest::newRow("diameter 11")
            << 0 << 11 << 20
            << Captions{{"lblDiam", "11"},     {"Label9", "279.4"}, {"lblGain", "6"},
                        {"lblDepth", "2"},     {"Label10", "50.8"}, {"lblFlen", "3.78"},
                        {"Label11", "96.012"}, {"lblFdr", "0.34"}};
        QTest::newRow("frequency 1300") << 1300 << 10 << 20
                                        << Captions{{"lblFreq", "1300"},
                                                    {"lblGain", "5"},
                                                    {"lblFlen", "3.13"},
                                                    {"Label9", "254"},
                                                    {"Label10", "50.8"}};
        QTest::newRow("depth 2.3")
            << 0 << 10 << 23
            << Captions{{"lblDepth", "2.3"},   {"Label10", "58.42"}, {"lblFlen", "2.72"},
                        {"Label11", "69.088"}, {"lblFdr", "0.27"},   {"lblGain", "5"},
                        {"lblDiam", "10"},     {"Label9", "254"}};
        QTest::newRow("depth read as shown") << 0 << 17 << 17
                                             << Captions{{"lblDepth", "1.7"},
                                                         {"lblFlen", "10.63"},
                                                         {"Label11", "270.002"},
                                                         {"lblFdr", "0.63"}};
        QTest::newRow("F/D from the focal length shown")
            << 0 << 11 << 25 << Captions{{"lblFlen", "3.03"}, {"lblFdr", "0.28"}};
        QTest::newRow("0.145 lies below the half")
            << 0 << 10 << 43 << Captions{{"lblFlen", "1.45"}, {"lblFdr", "0.14"}};
        QTest::newRow("smallest ratio") << 0 << 10 << 50
                                        << Captions{{"lblDepth", "5"},
                                                    {"Label10", "127"},
                                                    {"lblFlen", "1.25"},
                                                    {"Label11", "31.75"},
                                                    {"lblFdr", "0.13"}};
        QTest::newRow("largest ratio and gain")
            << 10000 << 40 << 10
            << Captions{{"Label9", "1016"},  {"lblDepth", "1"},   {"Label10", "25.4"},
                        {"lblFlen", "100"},  {"Label11", "2540"}, {"lblFdr", "2.5"},
                        {"lblGain", "5659"}, {"label8(20)", "1"}, {"bar(20)", "67"}};
    }
    void figures()
    {
        QFETCH(int, freq);
        QFETCH(int, diam);
        QFETCH(int, depth);
        QFETCH(Captions, expected);
        if (freq) {
            QScrollBar* f = bar(w, "vsbFreq");
            f->setFocus();
            while (f->value() + 100 <= freq)
                QTest::keyClick(f, Qt::Key_PageDown);
            probe::keyTo(f, freq);
        }
        probe::keyTo(bar(w, "vsbDiam"), diam);
        probe::keyTo(bar(w, "vsbDepth"), depth);
        const Captions now = shown(w);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(now[it.key()], it.value());
    }

    void frequencyChangesOnlyItsFigures()
    {
        probe::keyTo(bar(w, "vsbDiam"), 24);
        probe::keyTo(bar(w, "vsbDepth"), 30);
        const Captions before = shown(w);
        QTest::mouseClick(bar(w, "vsbFreq"), Qt::LeftButton, {},
                          probe::centreOf(bar(w, "vsbFreq"), QStyle::SC_ScrollBarAddPage));
        Captions after = shown(w);
        QCOMPARE(after["lblFreq"], "1300");
        QCOMPARE(after["lblGain"], "34"); // 0.5 * (3.14159 * 60.96 / 23.0769...)^2 = 34.4
        after["lblFreq"] = before["lblFreq"];
        after["lblGain"] = before["lblGain"];
        QCOMPARE(after, before);
    }

    void depthLeavesGainAndDiameter()
    {
        probe::keyTo(bar(w, "vsbDiam"), 30);
        const Captions before = shown(w);
        probe::keyTo(bar(w, "vsbDepth"), 35);
        const Captions after = shown(w);
        for (const char* kept : {"lblFreq", "lblGain", "lblDiam", "Label9"})
            QCOMPARE(after[kept], before[kept]);
        QCOMPARE(after["lblDepth"], "3.5");
    }

    // Whatever the road to three values, the window shows what a fresh one
    // set to them shows.
    void historyDoesNotMatter()
    {
        QRandomGenerator random(20261206);
        const char* names[] = {"vsbFreq", "vsbDiam", "vsbDepth"};
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        for (int event = 0; event < 10000; ++event) {
            QScrollBar* b = bar(w, names[random.bounded(3)]);
            if (random.bounded(4) == 0) {
                const QStyle::SubControl parts[] = {
                    QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine,
                    QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarSubPage};
                probe::click(b, parts[random.bounded(4)]);
            } else {
                b->setFocus();
                QTest::keyClick(b, keys[random.bounded(4)]);
            }
            const int freq = bar(w, "vsbFreq")->value(), diam = bar(w, "vsbDiam")->value();
            const Captions expected = freshWindow(freq, diam, bar(w, "vsbDepth")->value());
            const Captions now = shown(w);
            if (now != expected) {
                for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                    QCOMPARE(now[it.key()], it.value());
            }
            for (int r = 0; r <= diam / 2; ++r)
                QCOMPARE(probe::caption(w, QStringLiteral("label7(%1)").arg(r)),
                         QString::number(r));
        }
    }

    void wheelRaisesTheChange()
    {
        QScrollBar* d = bar(w, "vsbDiam");
        const QPoint at = probe::centreOf(d, QStyle::SC_ScrollBarAddPage);
        QWheelEvent wheel(at, d->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(d, &wheel);
        QVERIFY(d->value() > 10);
        QCOMPARE(probe::caption(w, "lblDiam"), QString::number(d->value()));
        QCOMPARE(probe::caption(w, "Label9"), QString::number(d->value() * 254 / 10.0));
    }
};

QTEST_MAIN(TestPlanner)
#include "tst_planner.moc"

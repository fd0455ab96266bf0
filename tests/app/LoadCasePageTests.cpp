// Load case pages: the rows, their places, the boxes that grow, and edits that write the task.
#include "MainFormFixture.h"

#include "app/LoadCasePage.h"
#include "app/NumberFields.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

namespace {

int Top(const QWidget* w)
{
    return w->geometry().top();
}

// The add button and the picture of each box of load case n lie inside the box's frame line.
void ExpectInsideFrames(QWidget* form, int n)
{
    for (const char* suffix : { "_pxbox", "_qbox", "_qqbox", "_mxbox" }) {
        const QString name = QStringLiteral("ZS%1").arg(n) + QLatin1String(suffix);
        auto* box = FindControlAs<QGroupBox>(form, name);
        ASSERT_NE(box, nullptr) << name.toStdString();
        const QRect frame = LoadBoxFrame(box).adjusted(1, 1, -1, -1);
        for (QWidget* child : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QPushButton*>(child) || qobject_cast<QLabel*>(child)) {
                EXPECT_TRUE(frame.contains(child->geometry())) << name.toStdString();
            }
        }
    }
}

} // namespace

TEST_F(MainFormTest, BoxesStartWithOneRowEachAtTheirPlaces)
{
    // After one row of each kind: 0/32/64/97 moved by the rows above, heights 33 + 24 (44).
    const std::array<std::pair<const char*, QRect>, 4> expected = { {
        { "ZS1_pxbox", QRect(0, 0, 0, 57) },
        { "ZS1_qbox", QRect(0, 56, 0, 57) },
        { "ZS1_qqbox", QRect(0, 112, 0, 77) },
        { "ZS1_mxbox", QRect(0, 189, 0, 57) },
    } };
    for (const auto& [name, rect] : expected) {
        auto* box = Find<QGroupBox>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->y(), rect.y()) << name;
        EXPECT_EQ(box->height(), rect.height()) << name;
        EXPECT_EQ(box->property("Tag").toInt(), 1) << name;
    }
    EXPECT_EQ(Find<QGroupBox>("ZS1_pxbox")->title(), QStringLiteral(" Osamělá síla "));
    EXPECT_EQ(Find<QGroupBox>("ZS1_qqbox")->title(), QStringLiteral(" Částečné spojité zatížení "));

    auto* check = Find<QCheckBox>("ZS1_Pxcheck1");
    EXPECT_EQ(check->geometry(), QRect(16, 24, 57, 21));
    EXPECT_EQ(check->text(), QStringLiteral("P1 ="));
    EXPECT_EQ(Find<QLineEdit>("ZS1_P1")->geometry(), QRect(72, 24, 49, 21));
    EXPECT_EQ(Find<QLineEdit>("ZS1_Px1")->geometry(), QRect(200, 24, 49, 21));
    EXPECT_EQ(Find<QCheckBox>("ZS1_qqcheck1")->text(), QStringLiteral("qa1 ="));
    EXPECT_EQ(Top(Find<QLineEdit>("ZS1_qqqb1")), 40);
    EXPECT_EQ(Find<QCheckBox>("ZS1_mxcheck1")->text(), QStringLiteral("M1 ="));

    auto* button = Find<QPushButton>("ZS1_btq");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("q"));
    EXPECT_EQ(button->statusTip(), QStringLiteral("přidat zatížení..."));
    EXPECT_EQ(button->size(), QSize(41, 25));
    EXPECT_EQ(button->geometry().left(), Find<QGroupBox>("ZS1_qbox")->width() - 45);
    EXPECT_EQ(Top(button), 12);
    EXPECT_NE(Find<QScrollArea>("ZS1_scroll"), nullptr);
    EXPECT_FALSE(Find<QLabel>("ZS1_gamaf")->isVisible());
    ExpectInsideFrames(Form.get(), 1);
}

TEST_F(MainFormTest, ASecondPointForceGrowsItsBoxAndPushesTheOthersDown)
{
    const int qTop = Find<QGroupBox>("ZS1_qbox")->y();
    const int qqTop = Find<QGroupBox>("ZS1_qqbox")->y();
    const int mxTop = Find<QGroupBox>("ZS1_mxbox")->y();
    Form->Actions().Pridat_Px->trigger();
    EXPECT_EQ(CurrentTabName(), QStringLiteral("TabSheet_zatizeni"));
    EXPECT_EQ(Find<QGroupBox>("ZS1_pxbox")->height(), 81);
    EXPECT_EQ(Find<QGroupBox>("ZS1_qbox")->y(), qTop + 24);
    EXPECT_EQ(Find<QGroupBox>("ZS1_qqbox")->y(), qqTop + 24);
    EXPECT_EQ(Find<QGroupBox>("ZS1_mxbox")->y(), mxTop + 24);
    for (const char* name : { "ZS1_Pxcheck2", "ZS1_P2", "ZS1_Px2" }) {
        auto* w = Find<QWidget>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(Top(w), 48) << name;
        EXPECT_EQ(w->parent(), Find("ZS1_pxbox")) << name;
    }
    EXPECT_EQ(Find<QCheckBox>("ZS1_Pxcheck2")->text(), QStringLiteral("P2 ="));
    EXPECT_FALSE(Find<QCheckBox>("ZS1_Pxcheck2")->isChecked());

    // Tab follows the page: the rows kind by kind, the new P2 before q1, then the add buttons.
    QStringList order;
    QWidget* w = Find<QWidget>("ZS1_Pxcheck1");
    for (int i = 0; i < 200 && order.size() < 20; ++i, w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->objectName().startsWith(QLatin1String("ZS1_")))
            order << w->objectName();
    EXPECT_EQ(order.join(QLatin1Char(' ')),
        QStringLiteral("ZS1_Pxcheck1 ZS1_P1 ZS1_Px1 ZS1_Pxcheck2 ZS1_P2 ZS1_Px2 ZS1_qcheck1 ZS1_qq1 ZS1_qqcheck1 "
                       "ZS1_qqqa1 ZS1_qqa1 ZS1_qqqb1 ZS1_qqb1 ZS1_mxcheck1 ZS1_M1 ZS1_Mx1 ZS1_btp ZS1_btq ZS1_btqq "
                       "ZS1_btm"));
}

TEST_F(MainFormTest, PartialLoadRowsTakeTwoLinesAndPushOnlyTheMomentBox)
{
    const int pxHeight = Find<QGroupBox>("ZS1_pxbox")->height();
    const int mxTop = Find<QGroupBox>("ZS1_mxbox")->y();
    QTest::mouseClick(Find<QPushButton>("ZS1_btqq"), Qt::LeftButton);
    EXPECT_EQ(Top(Find<QCheckBox>("ZS1_qqcheck2")), 64);
    EXPECT_EQ(Top(Find<QLineEdit>("ZS1_qqa2")), 64);
    EXPECT_EQ(Top(Find<QLineEdit>("ZS1_qqqb2")), 84);
    EXPECT_EQ(Top(Find<QLineEdit>("ZS1_qqb2")), 84);
    EXPECT_EQ(Find<QGroupBox>("ZS1_qqbox")->height(), 121);
    EXPECT_EQ(Find<QGroupBox>("ZS1_mxbox")->y(), mxTop + 44);
    EXPECT_EQ(Find<QGroupBox>("ZS1_pxbox")->height(), pxHeight);

    QTest::mouseClick(Find<QPushButton>("ZS1_btm"), Qt::LeftButton);
    EXPECT_EQ(Find<QGroupBox>("ZS1_mxbox")->height(), 81);
    EXPECT_EQ(Find<QGroupBox>("ZS1_mxbox")->y(), mxTop + 44);
    EXPECT_EQ(Task.LoadCases[0].QQ.size(), 2u);
    EXPECT_EQ(Task.LoadCases[0].Mx.size(), 2u);
}

TEST_F(MainFormTest, EditsAndCheckBoxesWriteTheTaskAsTyped)
{
    Form->Actions().Pridat_q->trigger();
    QTest::keyClicks(Find<QLineEdit>("ZS1_qq2"), QStringLiteral("1,5x"));
    QTest::keyClicks(Find<QLineEdit>("ZS1_qqb1"), QStringLiteral(" 2.25"));
    Find<QCheckBox>("ZS1_mxcheck1")->click();
    const TLoadCase& lc = Task.LoadCases[0];
    EXPECT_EQ(lc.Q[1].q, QStringLiteral("1,5x"));
    EXPECT_TRUE(lc.Q[1].Checked); // typed into an empty row: ticked
    EXPECT_FALSE(lc.Q[0].Checked);
    EXPECT_EQ(lc.QQ[0].b, QStringLiteral(" 2.25"));
    EXPECT_TRUE(lc.QQ[0].Checked);
    EXPECT_TRUE(lc.Mx[0].Checked);
    EXPECT_TRUE(Task.ReadMx(1, 1).Included);
}

// A value typed into an empty row is meant as a load; an unticked row that holds a value is
// greyed; a text that is no number is framed red while it stays so, and kept as typed.
TEST_F(MainFormTest, TypingTicksAnEmptyRowAndUnreadableTextIsFramed)
{
    auto* P = Find<QLineEdit>("ZS1_P1");
    auto* a = Find<QLineEdit>("ZS1_Px1");
    auto* check = Find<QCheckBox>("ZS1_Pxcheck1");
    const QColor normal = P->palette().color(QPalette::Text);
    QTest::keyClicks(P, QStringLiteral("6,0x"));
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(Task.LoadCases[0].Px[0].Checked);
    EXPECT_EQ(Task.LoadCases[0].Px[0].P, QStringLiteral("6,0x"));
    EXPECT_TRUE(IsMarkedUnreadable(P));
    EXPECT_FALSE(IsMarkedUnreadable(a)); // empty is no error
    QTest::keyClick(P, Qt::Key_Backspace);
    EXPECT_FALSE(IsMarkedUnreadable(P));
    EXPECT_EQ(P->palette().color(QPalette::Text), normal);

    check->click(); // unticking by hand stays possible, and typing on does not tick again
    QTest::keyClicks(a, QStringLiteral("2"));
    EXPECT_FALSE(Task.LoadCases[0].Px[0].Checked);
    EXPECT_NE(P->palette().color(QPalette::Text), normal);
    EXPECT_NE(a->palette().color(QPalette::Text), normal);
    check->click();
    EXPECT_EQ(a->palette().color(QPalette::Text), normal);

    // A page built from an opened task shows the same at once.
    Task.LoadCases[0].Q[0].q = QStringLiteral("abc");
    Form->RefreshFromModel();
    EXPECT_TRUE(IsMarkedUnreadable(Find<QLineEdit>("ZS1_qq1")));
    EXPECT_NE(Find<QLineEdit>("ZS1_qq1")->palette().color(QPalette::Text), normal);
    EXPECT_FALSE(Task.LoadCases[0].Q[0].Checked); // opening never ticks

    // So is the span.
    QTest::keyClicks(Find<QLineEdit>("Edit1"), QStringLiteral("6m"));
    EXPECT_TRUE(IsMarkedUnreadable(Find<QLineEdit>("Edit1")));
    EXPECT_EQ(Task.SpanText, QStringLiteral("6m"));
}

TEST_F(MainFormTest, PagesFollowLoadCasesTheGeneratorAddsToTheTask)
{
    // Values put in by the generator appear in fixed notation; the page grows to the model.
    Task.AddPxRow(true, 1000.5, 2);
    Form->SyncLoadCases();
    EXPECT_TRUE(Find<QCheckBox>("ZS1_Pxcheck2")->isChecked());
    EXPECT_EQ(Find<QLineEdit>("ZS1_P2")->text(), Task.LoadCases[0].Px[1].P);
    EXPECT_EQ(Find<QGroupBox>("ZS1_pxbox")->height(), 81);

    Task.NewLoadCase(TCaller::Generator);
    Form->SyncLoadCases();
    ASSERT_EQ(Pages()->count(), 2);
    EXPECT_EQ(Find<QGroupBox>("ZS2_pxbox")->property("Tag").toInt(), 0);
    // Empty boxes are tall enough for their button and picture: 52 instead of 33.
    EXPECT_EQ(Find<QGroupBox>("ZS2_pxbox")->height(), 52);
    EXPECT_EQ(Find<QGroupBox>("ZS2_mxbox")->y(), 97 + 3 * 19);
    ExpectInsideFrames(Form.get(), 2);
    EXPECT_EQ(Pages()->currentIndex(), 1);
}

TEST_F(MainFormTest, ACaptionWithAnAmpersandIsShownAsTyped)
{
    TZSInfo info = Task.GetZSInfo(1);
    info.Name = QStringLiteral("sníh & vítr");
    Task.SetZSInfo(info);
    Form->SyncLoadCases();
    EXPECT_EQ(Pages()->tabText(0), QStringLiteral("sníh && vítr"));
}

TEST_F(MainFormTest, PagesAreBuiltWhenShownOrAskedForByName)
{
    for (int i = 0; i < 30; ++i) {
        Task.NewLoadCase(QStringLiteral("ZS %1").arg(i + 2), 1.35, true, true);
        Task.AddPxRow(true, 10 + i, 1);
    }
    Task.ActiveLoadCase = 0;
    Form->SyncLoadCases();
    Form->LoadCasesTab()->RefreshFromModel(); // as Open does: every page anew
    ASSERT_EQ(Pages()->count(), 31);
    const auto page = [this](int i) { return Form->LoadCasesTab()->Page(i); };
    for (int i = 0; i < 31; ++i) {
        EXPECT_TRUE(Pages()->isTabVisible(i)) << i;
        EXPECT_FALSE(page(i)->Built()) << i; // the load case tab is not shown yet
    }
    EXPECT_EQ(Pages()->tabText(30), QStringLiteral("ZS 31"));

    Form->PageControl()->setCurrentWidget(Form->LoadCasesTab());
    EXPECT_TRUE(page(0)->Built());
    EXPECT_FALSE(page(1)->Built());
    Pages()->setCurrentIndex(5);
    EXPECT_TRUE(page(5)->Built());
    EXPECT_TRUE(Find<QCheckBox>("ZS6_Pxcheck1")->isVisible());
    EXPECT_EQ(Find<QLineEdit>("ZS6_P1")->text(), Task.LoadCases[5].Px[0].P);

    // A look-up by name builds that page only ("ZS2_…" is not under "ZS20" or "ZS21").
    ASSERT_NE(Find<QLineEdit>("zs21_p1"), nullptr);
    EXPECT_TRUE(page(20)->Built());
    EXPECT_FALSE(page(1)->Built());
    EXPECT_FALSE(page(19)->Built());
    EXPECT_EQ(Find("ZS21_P2"), nullptr);

    // The pictures are painted once for all pages.
    const auto picture = [this](int n) {
        return Find<QGroupBox>(QStringLiteral("ZS%1_qqbox").arg(n))->findChild<QLabel*>()->pixmap().cacheKey();
    };
    EXPECT_EQ(picture(6), picture(21));
}

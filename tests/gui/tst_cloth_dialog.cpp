#include "gui/cloth_dialog.h"
#include "support/dialog_test.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// The 21 lists, group by group: American, British, European.
const QStringList listNames{QStringLiteral("lbxMenSuitUS"), QStringLiteral("lbxMenSuitUK"),
    QStringLiteral("lbxMenSuitEU"), QStringLiteral("lbxWomSuitUS"), QStringLiteral("lbxWomSuitUK"),
    QStringLiteral("lbxWomSuitEU"), QStringLiteral("lbxMenShirtUS"), QStringLiteral("lbxMenShirtUK"),
    QStringLiteral("lbxMenShirtEU"), QStringLiteral("lbxWomBloUS"), QStringLiteral("lbxWomBloUK"),
    QStringLiteral("lbxWomBloEU"), QStringLiteral("lbxMenShoeUS"), QStringLiteral("lbxMenShoeUK"),
    QStringLiteral("lbxMenShoeEU"), QStringLiteral("lbxWomShoeUS"), QStringLiteral("lbxWomShoeUK"),
    QStringLiteral("lbxWomShoeEU"), QStringLiteral("lbxKidUS"), QStringLiteral("lbxKidUK"),
    QStringLiteral("lbxKidEU")};

const QStringList captions{QStringLiteral("Men's Suits and Overcoats"),
    QStringLiteral("Women's Suits and Dresses"), QStringLiteral("Men's Shirts"),
    QStringLiteral("Women's Blouses and Sweaters"), QStringLiteral("Men's Shoes"),
    QStringLiteral("Women's Shoes"), QStringLiteral("Children's Clothes")};

} // namespace

class TestClothDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void listsOfferTheirSizesInOrderAndTakeNoTyping();
    void choiceMovesItsGroupOnly_data();
    void choiceMovesItsGroupOnly();
    void keyboardChoiceMovesTheGroup();
    void popupChoiceMovesTheGroup();
    void sameSizeInAnotherGroupStaysApart();
    void eachChoiceNotifiesEachListOnce();
    void choosingTheShownSizeAgainChangesNothing();
    void formShowsItsGroupsAndHeadings();

private:
    QComboBox* list(const QString& name) const;
    QStringList shownTexts() const;

    std::unique_ptr<gui::ClothDialog> m_dialog;
    test_support::ModalWatchdog m_watchdog;
};

void TestClothDialog::init()
{
    m_dialog = std::make_unique<gui::ClothDialog>(test_support::topic("Cloth"));
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));

    // A modal window nobody expects would block the test; close it and fail instead.
    m_watchdog.start();
}

void TestClothDialog::cleanup()
{
    m_watchdog.stop();
    m_dialog.reset();
    QVERIFY2(m_watchdog.unexpected().isEmpty(), qPrintable(m_watchdog.unexpected()));
}

QComboBox* TestClothDialog::list(const QString& name) const
{
    return m_dialog->findChild<QComboBox*>(name);
}

// What the 21 lists show, in tab order; an empty text for a list without a selection.
QStringList TestClothDialog::shownTexts() const
{
    QStringList texts;
    for (const QString& name : listNames)
        texts.append(list(name)->currentText());
    return texts;
}

void TestClothDialog::listsOfferTheirSizesInOrderAndTakeNoTyping()
{
    QCOMPARE(m_dialog->findChildren<QComboBox*>().size(), 21);
    for (const QString& name : listNames) {
        QVERIFY2(list(name) != nullptr, qPrintable(name));
        QVERIFY2(!list(name)->isEditable(), qPrintable(name));
    }
    const auto items = [this](const char* name) {
        QStringList texts;
        QComboBox* combo = list(QLatin1String(name));
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts.join(QLatin1Char(' '));
    };
    QCOMPARE(items("lbxMenSuitEU"), QStringLiteral("46 48 51 54 56 59"));
    QCOMPARE(items("lbxWomSuitUK"), QStringLiteral("10 12 14 16 18 20"));
    QCOMPARE(items("lbxMenShirtUS"), QStringLiteral("14 14½ 15 15½ 16 16½ 17 17½"));
    QCOMPARE(items("lbxMenShirtEU"), QStringLiteral("36 37 38 39 40 41 42 43"));
    QCOMPARE(items("lbxWomBloUS"), QStringLiteral("34 36 38 40 42 44"));
    QCOMPARE(items("lbxMenShoeUS"), QStringLiteral("7½ 8 8½ 9½ 10½ 11½"));
    QCOMPARE(items("lbxMenShoeEU"), QStringLiteral("40½ 41 42 43 44½ 46"));
    QCOMPARE(items("lbxWomShoeUK"), QStringLiteral("4½ 5 5½ 6 6½ 7"));
    QCOMPARE(items("lbxWomShoeEU"), QStringLiteral("37½ 38 39 39½ 40 40½"));
    QCOMPARE(items("lbxKidUK"), QStringLiteral("43 48 55 58 60 62"));
    QCOMPARE(items("lbxKidEU"), QStringLiteral("109 122 140 147 152 157"));
    QCOMPARE(
        list(QStringLiteral("lbxMenShirtUK"))->itemText(7), QString(QStringLiteral("17") + QChar(0x00BD)));
}

void TestClothDialog::choiceMovesItsGroupOnly_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("European 51 gives suit 40")
        << QStringLiteral("lbxMenSuitEU") << 2 << 0
        << QStringList{QStringLiteral("40"), QStringLiteral("40"), QStringLiteral("51")};
    QTest::newRow("British women's 12 gives 10 and 40")
        << QStringLiteral("lbxWomSuitUK") << 1 << 1
        << QStringList{QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("40")};
    QTest::newRow("last shirt size in the longer group")
        << QStringLiteral("lbxMenShirtUK") << 7 << 2
        << QStringList{QStringLiteral("17½"), QStringLiteral("17½"), QStringLiteral("43")};
    QTest::newRow("blouse from the first position")
        << QStringLiteral("lbxWomBloUS") << 0 << 3
        << QStringList{QStringLiteral("34"), QStringLiteral("36"), QStringLiteral("42")};
    QTest::newRow("European shoe 44½")
        << QStringLiteral("lbxMenShoeEU") << 4 << 4
        << QStringList{QStringLiteral("10½"), QStringLiteral("10"), QStringLiteral("44½")};
    QTest::newRow("British women's shoe 4½")
        << QStringLiteral("lbxWomShoeUK") << 0 << 5
        << QStringList{QStringLiteral("6"), QStringLiteral("4½"), QStringLiteral("37½")};
    QTest::newRow("American child 8")
        << QStringLiteral("lbxKidUS") << 2 << 6
        << QStringList{QStringLiteral("8"), QStringLiteral("55"), QStringLiteral("140")};
    QTest::newRow("last children's size")
        << QStringLiteral("lbxKidEU") << 5 << 6
        << QStringList{QStringLiteral("14"), QStringLiteral("62"), QStringLiteral("157")};
}

void TestClothDialog::choiceMovesItsGroupOnly()
{
    QFETCH(QString, chosen);
    QFETCH(int, position);
    QFETCH(int, group);
    QFETCH(QStringList, shown);

    list(chosen)->setCurrentIndex(position);

    QStringList expected(21, QString());
    for (int i = 0; i < 3; ++i)
        expected[group * 3 + i] = shown.at(i);
    QCOMPARE(shownTexts(), expected);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(list(listNames.at(group * 3 + i))->currentIndex(), position);
}

void TestClothDialog::keyboardChoiceMovesTheGroup()
{
    QComboBox* american = list(QStringLiteral("lbxMenSuitUS"));
    american->setFocus();
    QTest::keyClick(american, Qt::Key_Down);
    QCOMPARE(american->currentText(), QStringLiteral("36"));
    QCOMPARE(list(QStringLiteral("lbxMenSuitUK"))->currentText(), QStringLiteral("36"));
    QCOMPARE(list(QStringLiteral("lbxMenSuitEU"))->currentText(), QStringLiteral("46"));

    QComboBox* european = list(QStringLiteral("lbxMenSuitEU"));
    european->setFocus();
    QTest::keyClick(european, Qt::Key_Down);
    QTest::keyClick(european, Qt::Key_Down);
    QCOMPARE(european->currentText(), QStringLiteral("51"));
    QCOMPARE(american->currentText(), QStringLiteral("40"));
    QCOMPARE(list(QStringLiteral("lbxMenSuitUK"))->currentText(), QStringLiteral("40"));

    QTest::keyClick(european, Qt::Key_End);
    QCOMPARE(american->currentText(), QStringLiteral("46"));
    QCOMPARE(list(QStringLiteral("lbxMenSuitUK"))->currentText(), QStringLiteral("46"));
    QCOMPARE(european->currentText(), QStringLiteral("59"));

    QStringList others = shownTexts().mid(3);
    QCOMPARE(others, QStringList(18, QString()));
}

void TestClothDialog::popupChoiceMovesTheGroup()
{
    QComboBox* british = list(QStringLiteral("lbxWomShoeUK"));
    british->setFocus();
    british->showPopup();
    QAbstractItemView* popup = british->view();
    QTRY_VERIFY(popup->isVisible());
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());

    QCOMPARE(british->currentText(), QStringLiteral("4½"));
    QCOMPARE(list(QStringLiteral("lbxWomShoeUS"))->currentText(), QStringLiteral("6"));
    QCOMPARE(list(QStringLiteral("lbxWomShoeEU"))->currentText(), QStringLiteral("37½"));
    QVERIFY(m_dialog->isVisible());
}

void TestClothDialog::sameSizeInAnotherGroupStaysApart()
{
    // "42" is a men's suit size and a European blouse size; the groups stay apart.
    list(QStringLiteral("lbxMenSuitUS"))->setCurrentIndex(3);
    list(QStringLiteral("lbxWomBloEU"))->setCurrentIndex(0);
    list(QStringLiteral("lbxKidUS"))->setCurrentIndex(2);

    QStringList expected(21, QString());
    expected[0] = QStringLiteral("42");
    expected[1] = QStringLiteral("42");
    expected[2] = QStringLiteral("54");
    expected[9] = QStringLiteral("34");
    expected[10] = QStringLiteral("36");
    expected[11] = QStringLiteral("42");
    expected[18] = QStringLiteral("8");
    expected[19] = QStringLiteral("55");
    expected[20] = QStringLiteral("140");
    QCOMPARE(shownTexts(), expected);

    // A later choice in one group leaves the others where they were.
    list(QStringLiteral("lbxMenSuitUK"))->setCurrentIndex(0);
    expected[0] = QStringLiteral("36");
    expected[1] = QStringLiteral("36");
    expected[2] = QStringLiteral("46");
    QCOMPARE(shownTexts(), expected);
}

void TestClothDialog::eachChoiceNotifiesEachListOnce()
{
    QComboBox* us = list(QStringLiteral("lbxMenShirtUS"));
    QComboBox* uk = list(QStringLiteral("lbxMenShirtUK"));
    QComboBox* eu = list(QStringLiteral("lbxMenShirtEU"));
    QSignalSpy usSpy(us, &QComboBox::currentIndexChanged);
    QSignalSpy ukSpy(uk, &QComboBox::currentIndexChanged);
    QSignalSpy euSpy(eu, &QComboBox::currentIndexChanged);
    QSignalSpy otherSpy(list(QStringLiteral("lbxMenSuitUS")), &QComboBox::currentIndexChanged);

    eu->setCurrentIndex(3);
    QCOMPARE(usSpy.count(), 1);
    QCOMPARE(ukSpy.count(), 1);
    QCOMPARE(euSpy.count(), 1);
    QCOMPARE(usSpy.first().first().toInt(), 3);
    QCOMPARE(us->currentText(), QStringLiteral("15½"));

    uk->setCurrentIndex(5);
    QCOMPARE(usSpy.count(), 2);
    QCOMPARE(ukSpy.count(), 2);
    QCOMPARE(euSpy.count(), 2);
    QCOMPARE(eu->currentText(), QStringLiteral("41"));
    QCOMPARE(otherSpy.count(), 0);
}

void TestClothDialog::choosingTheShownSizeAgainChangesNothing()
{
    QComboBox* uk = list(QStringLiteral("lbxKidUK"));
    uk->setCurrentIndex(4);
    QSignalSpy usSpy(list(QStringLiteral("lbxKidUS")), &QComboBox::currentIndexChanged);
    QSignalSpy euSpy(list(QStringLiteral("lbxKidEU")), &QComboBox::currentIndexChanged);

    uk->setCurrentIndex(4);
    uk->setFocus();
    uk->showPopup();
    QAbstractItemView* popup = uk->view();
    QTRY_VERIFY(popup->isVisible());
    popup->setCurrentIndex(popup->model()->index(4, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());

    QCOMPARE(usSpy.count(), 0);
    QCOMPARE(euSpy.count(), 0);
    QCOMPARE(list(QStringLiteral("lbxKidUS"))->currentText(), QStringLiteral("12"));
    QCOMPARE(uk->currentText(), QStringLiteral("60"));
    QCOMPARE(list(QStringLiteral("lbxKidEU"))->currentText(), QStringLiteral("152"));
}

// What the form shows and how; where it shows it is the layout test's.
void TestClothDialog::formShowsItsGroupsAndHeadings()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Clothing Size"));
    const QStringList headings{
        QStringLiteral("American"), QStringLiteral("British"), QStringLiteral("European")};
    for (int group = 0; group < 7; ++group) {
        auto* frame = m_dialog->findChild<QGroupBox*>(QStringLiteral("Frame%1").arg(group + 1));
        QVERIFY(frame != nullptr);
        QCOMPARE(frame->title(), captions.at(group));
        QVERIFY(frame->font().bold());
        for (int column = 0; column < 3; ++column) {
            auto* label = frame->findChild<QLabel*>(QStringLiteral("Label%1").arg(group * 3 + column + 1));
            QVERIFY(label != nullptr);
            QCOMPARE(label->text(), headings.at(column));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
            QVERIFY(!label->font().bold());

            QComboBox* combo = list(listNames.at(group * 3 + column));
            QCOMPARE(combo->parentWidget(), frame);
            QVERIFY(!combo->font().bold());
        }
    }
}

QTEST_MAIN(TestClothDialog)
#include "tst_cloth_dialog.moc"

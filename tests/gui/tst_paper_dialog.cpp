#include "gui/paper_dialog.h"
#include "support/dialog_test.h"
#include "support/modal.h"
#include "support/topics.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <memory>

using test_support::twipsToPixels;

class TestPaperDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithoutFiguresOrRectangle();
    void listShowsNamesIgnoringCase();
    void keyboardSelects();
    void choosingShowsFiguresAndRectangle_data();
    void choosingShowsFiguresAndRectangle();
    void mouseSelects();
    void choosingAgainChangesNothing();
    void rectangleKeepsItsCorner();
    void formShowsItsTextsAndBoxes();
    void rectangleReadsItsTextsLeniently_data();
    void rectangleReadsItsTextsLeniently();

private:
    void selectByName(const QString& name);

    std::unique_ptr<gui::PaperDialog> m_dialog;
    QListWidget* m_list = nullptr;
    test_support::ModalWatchdog m_watchdog;
};

void TestPaperDialog::init()
{
    m_dialog = std::make_unique<gui::PaperDialog>(test_support::topic("Paper"));
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    m_list = m_dialog->findChild<QListWidget*>(QStringLiteral("List1"));
    QVERIFY(m_list != nullptr);

    // A modal window nobody expects would block the test; close it and fail instead.
    m_watchdog.start();
}

void TestPaperDialog::cleanup()
{
    m_watchdog.stop();
    m_dialog.reset();
    QVERIFY2(m_watchdog.unexpected().isEmpty(), qPrintable(m_watchdog.unexpected()));
}

void TestPaperDialog::selectByName(const QString& name)
{
    const QList<QListWidgetItem*> items = m_list->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QCOMPARE(items.size(), 1);
    m_list->setCurrentRow(m_list->row(items.first()));
}

// Until a sheet is chosen the four figures are blank and no rectangle shows.
void TestPaperDialog::opensWithoutFiguresOrRectangle()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Paper Sizes"));
    for (const char* name : {"TxtHeightInch", "TxtWidthInch", "TxtHeightMil", "TxtWidthMil"}) {
        auto* figure = m_dialog->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(figure != nullptr, name);
        QVERIFY2(figure->text().isEmpty(), name);
    }
    QCOMPARE(m_dialog->shapeTwips().width, 0.0F);
    QCOMPARE(m_dialog->shapeTwips().height, 0.0F);
    auto* shape = m_dialog->findChild<QFrame*>(QStringLiteral("Shape1"));
    QVERIFY(shape != nullptr);
    QCOMPARE(shape->size(), QSize(0, 0));
}

void TestPaperDialog::listShowsNamesIgnoringCase()
{
    QCOMPARE(m_list->count(), 27);
    QStringList shown;
    for (int row = 0; row < m_list->count(); ++row)
        shown.append(m_list->item(row)->text());
    QCOMPARE(shown.first(), QStringLiteral("A0"));
    QCOMPARE(shown.last(), QStringLiteral("Tabloid"));
    QCOMPARE(shown.indexOf(QStringLiteral("D")) + 1, shown.indexOf(QStringLiteral("Demy")));
    QCOMPARE(shown.indexOf(QStringLiteral("Demy")) + 1, shown.indexOf(QStringLiteral("DL")));
    QCOMPARE(shown.indexOf(QStringLiteral("C5")) + 1, shown.indexOf(QStringLiteral("Com-10")));
    QCOMPARE(shown.indexOf(QStringLiteral("Large Post")) + 1, shown.indexOf(QStringLiteral("Legal")));
    QCOMPARE(m_list->selectionMode(), QAbstractItemView::SingleSelection);
}

// The arrow keys, End and Home choose, and the figures follow; what each sheet shows is the next test's.
void TestPaperDialog::keyboardSelects()
{
    auto* heightInch = m_dialog->findChild<QLabel*>(QStringLiteral("TxtHeightInch"));
    const auto press = [this, heightInch](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(m_list, key);
        const QList<QListWidgetItem*> selected = m_list->selectedItems();
        return (selected.size() == 1 ? selected.first()->text() : QStringLiteral("no single selection"))
            + QLatin1Char(' ') + heightInch->text();
    };
    // The first arrow key picks the first name; nothing was current before.
    QCOMPARE(press(Qt::Key_Down, 1), QStringLiteral("A0 46.75"));
    QCOMPARE(press(Qt::Key_Down, 4), QStringLiteral("A4 11.375"));
    QCOMPARE(press(Qt::Key_End, 1), QStringLiteral("Tabloid 17"));
    QCOMPARE(press(Qt::Key_Up, 1), QStringLiteral("Statement 8.5"));
    QCOMPARE(press(Qt::Key_Home, 1), QStringLiteral("A0 46.75"));
}

void TestPaperDialog::choosingShowsFiguresAndRectangle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("heightInch");
    QTest::addColumn<QString>("widthInch");
    QTest::addColumn<QString>("heightMil");
    QTest::addColumn<QString>("widthMil");
    QTest::addColumn<float>("shapeWidth");
    QTest::addColumn<float>("shapeHeight");

    QTest::newRow("A4 reads height first")
        << QStringLiteral("A4") << QStringLiteral("11.375") << QStringLiteral("8.125")
        << QStringLiteral("297") << QStringLiteral("210") << 525.0F << 742.5F;
    QTest::newRow("rectangle sized from the text 104.8")
        << QStringLiteral("Com-10") << QStringLiteral("9.5") << QStringLiteral("4.125")
        << QStringLiteral("241.3") << QStringLiteral("104.8") << 262.0F << 603.25F;
    QTest::newRow("smallest rectangle")
        << QStringLiteral("Monarch") << QStringLiteral("7.5") << QStringLiteral("3.875")
        << QStringLiteral("190.5") << QStringLiteral("98.4") << 246.0F << 476.25F;
    QTest::newRow("widest rectangle")
        << QStringLiteral("E") << QStringLiteral("44") << QStringLiteral("34") << QStringLiteral("1117.6")
        << QStringLiteral("863.6") << 2159.0F << 2794.0F;
    QTest::newRow("tallest rectangle")
        << QStringLiteral("A0") << QStringLiteral("46.75") << QStringLiteral("33.125")
        << QStringLiteral("1189") << QStringLiteral("841") << 2102.5F << 2972.5F;
    QTest::newRow("two-decimal millimetres kept")
        << QStringLiteral("Executive") << QStringLiteral("10.5") << QStringLiteral("7.25")
        << QStringLiteral("266.7") << QStringLiteral("184.15") << 460.375F << 666.75F;
    QTest::newRow("name with a blank")
        << QStringLiteral("Double Crown") << QStringLiteral("30") << QStringLiteral("20")
        << QStringLiteral("762") << QStringLiteral("508") << 1270.0F << 1905.0F;
}

void TestPaperDialog::choosingShowsFiguresAndRectangle()
{
    QFETCH(QString, name);
    QFETCH(float, shapeWidth);
    QFETCH(float, shapeHeight);

    selectByName(name);
    QTEST(m_dialog->findChild<QLabel*>(QStringLiteral("TxtHeightInch"))->text(), "heightInch");
    QTEST(m_dialog->findChild<QLabel*>(QStringLiteral("TxtWidthInch"))->text(), "widthInch");
    QTEST(m_dialog->findChild<QLabel*>(QStringLiteral("TxtHeightMil"))->text(), "heightMil");
    QTEST(m_dialog->findChild<QLabel*>(QStringLiteral("TxtWidthMil"))->text(), "widthMil");
    QCOMPARE(m_dialog->shapeTwips().width, shapeWidth);
    QCOMPARE(m_dialog->shapeTwips().height, shapeHeight);

    auto* shape = m_dialog->findChild<QFrame*>(QStringLiteral("Shape1"));
    QCOMPARE(shape->width(), twipsToPixels(shapeWidth, m_dialog->logicalDpiX()));
    QCOMPARE(shape->height(), twipsToPixels(shapeHeight, m_dialog->logicalDpiY()));
    QVERIFY(shape->isVisible());
}

void TestPaperDialog::mouseSelects()
{
    const QList<QListWidgetItem*> items = m_list->findItems(QStringLiteral("Legal"), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    m_list->scrollToItem(items.first());
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, m_list->visualItemRect(items.first()).center());
    QCOMPARE(m_list->selectedItems().size(), 1);
    QCOMPARE(m_list->selectedItems().first()->text(), QStringLiteral("Legal"));
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("TxtHeightMil"))->text(), QStringLiteral("355.6"));
    QCOMPARE(m_dialog->shapeTwips().height, 889.0F);
}

void TestPaperDialog::choosingAgainChangesNothing()
{
    selectByName(QStringLiteral("Letter"));
    selectByName(QStringLiteral("A5"));
    selectByName(QStringLiteral("Letter"));
    const QList<QListWidgetItem*> items = m_list->findItems(QStringLiteral("Letter"), Qt::MatchExactly);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, m_list->visualItemRect(items.first()).center());
    QCOMPARE(m_list->selectedItems().first()->text(), QStringLiteral("Letter"));
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("TxtHeightInch"))->text(), QStringLiteral("11"));
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("TxtWidthInch"))->text(), QStringLiteral("8.5"));
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("TxtHeightMil"))->text(), QStringLiteral("279.4"));
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("TxtWidthMil"))->text(), QStringLiteral("215.9"));
    QCOMPARE(m_dialog->shapeTwips().width, 539.75F);
    QCOMPARE(m_dialog->shapeTwips().height, 698.5F);
}

// The rectangle grows to the right and downwards only. (That the largest sheets still lie inside the frame
// is the layout test's; its colours are the contrast test's.)
void TestPaperDialog::rectangleKeepsItsCorner()
{
    auto* shape = m_dialog->findChild<QFrame*>(QStringLiteral("Shape1"));
    QCOMPARE(shape->parentWidget(), m_dialog->findChild<QFrame*>(QStringLiteral("Frame1")));
    selectByName(QStringLiteral("A4"));
    const QPoint corner = shape->pos();
    for (const QString& name : {QStringLiteral("Monarch"), QStringLiteral("E"), QStringLiteral("A0")}) {
        selectByName(name);
        QCOMPARE(shape->pos(), corner);
    }
}

// What the form shows and how; where it shows it is the layout test's.
void TestPaperDialog::formShowsItsTextsAndBoxes()
{
    auto* frame = m_dialog->findChild<QFrame*>(QStringLiteral("Frame1"));
    QVERIFY(frame != nullptr);
    QCOMPARE(m_list->parentWidget(), frame);

    const std::pair<const char*, const char*> headings[]
        = {{"TxtSizeName", "Size Name"}, {"TxtHeight", "Height"}, {"TxtWidth", "Width"}};
    for (const auto& [name, text] : headings) {
        auto* label = frame->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label != nullptr, name);
        QCOMPARE(label->text(), QLatin1String(text));
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }

    for (const char* name : {"TxtHeightInch", "TxtWidthInch", "TxtHeightMil", "TxtWidthMil"}) {
        auto* label = frame->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label != nullptr, name);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->frameShape(), QFrame::Box);
        QCOMPARE(label->frameShadow(), QFrame::Plain);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
    }

    const std::pair<const char*, const char*> plain[]
        = {{"Label52", "x"}, {"TxtInches2", "Inches"}, {"Label53", "x"}, {"TxtMil2", "Millimeters"}};
    for (const auto& [name, text] : plain) {
        auto* label = frame->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label != nullptr, name);
        QCOMPARE(label->text(), QLatin1String(text));
        QVERIFY(!label->font().bold());
    }
}

void TestPaperDialog::rectangleReadsItsTextsLeniently_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("twips");

    QTest::newRow("whole millimetres") << QStringLiteral("210") << 525.0F;
    QTest::newRow("decimal point") << QStringLiteral("98.4") << 246.0F;
    QTest::newRow("trailing text ends the number") << QStringLiteral("12mm") << 30.0F;
    QTest::newRow("empty text draws nothing") << QString() << 0.0F;
    QTest::newRow("text without a number draws nothing") << QStringLiteral("wide") << 0.0F;
    QTest::newRow("negative length draws nothing") << QStringLiteral("-5") << 0.0F;
    QTest::newRow("length beyond a float draws nothing") << QStringLiteral("1E300") << 0.0F;
    QTest::newRow("length beyond a double draws nothing") << QStringLiteral("1E400") << 0.0F;
}

void TestPaperDialog::rectangleReadsItsTextsLeniently()
{
    QFETCH(QString, text);
    QTEST(gui::paperRectangle(text, QStringLiteral("1")).width, "twips");
    QTEST(gui::paperRectangle(QStringLiteral("1"), text).height, "twips");
}

QTEST_MAIN(TestPaperDialog)
#include "tst_paper_dialog.moc"

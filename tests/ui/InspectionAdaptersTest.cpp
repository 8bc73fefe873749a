// The GPS inspection tree and waypoint list over Qt widgets, filled from a GPS TrackMaker file
// that gpsbabel wrote: the widget holds exactly the items, nesting and expansion the file hands
// out, and the list holds a line per waypoint as gpsbabel reads it.
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "RecordingTree.h"
#include "ScreenshotCheck.h"
#include "ui/adapters/QtInspectionTree.h"
#include "ui/adapters/QtListBoxSink.h"

#include "gps/gtm/GTMFile.h"

#include <QListWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kGtmFixture = QStringLiteral(TALVANE_TEST_DATA "/gps/gpsbabel.gtm");

// Whether the widget item and its subtree hold what the recording tree holds under item.
void ExpectSameSubtree(const RecordingTree& recorded, GPSTreeItem item, const QTreeWidgetItem* widgetItem)
{
    ASSERT_TRUE(widgetItem);
    EXPECT_EQ(widgetItem->text(0), recorded.Text(item));
    EXPECT_EQ(widgetItem->isExpanded(), recorded.IsExpanded(item)) << recorded.Text(item).toStdString();
    std::vector<GPSTreeItem> children;
    for (size_t i = 0; i < recorded.items.size(); ++i) {
        if (recorded.items[i].parent == item)
            children.push_back(GPSTreeItem(i + 1));
    }
    ASSERT_EQ(widgetItem->childCount(), int(children.size())) << recorded.Text(item).toStdString();
    for (size_t i = 0; i < children.size(); ++i)
        ExpectSameSubtree(recorded, children[i], widgetItem->child(int(i)));
}

TEST(QtInspectionTreeTest, HoldsTheFilesTreeAsFilled)
{
    auto file = CGTMFile().LoadFile(kGtmFixture, nullptr);
    ASSERT_TRUE(file);
    RecordingTree recorded;
    const GPSTreeItem recordedRoot = file->FillTree(&recorded);

    QTreeWidget widget;
    widget.setHeaderHidden(true);
    QtInspectionTree tree(&widget);
    const GPSTreeItem root = file->FillTree(&tree);
    ASSERT_NE(root, 0u);
    ASSERT_EQ(widget.topLevelItemCount(), 1);
    EXPECT_EQ(tree.ItemOf(root), widget.topLevelItem(0));
    ExpectSameSubtree(recorded, recordedRoot, widget.topLevelItem(0));

    // The parts a reader opens first are shown open; the header is not.
    const QTreeWidgetItem* top = widget.topLevelItem(0);
    EXPECT_EQ(top->text(0), u"GTM file");
    EXPECT_TRUE(top->isExpanded());
    EXPECT_EQ(top->child(0)->text(0), u"Header part");
    EXPECT_FALSE(top->child(0)->isExpanded());
    EXPECT_EQ(top->child(3)->text(0), u"Waypoint part");
    EXPECT_TRUE(top->child(3)->isExpanded());
    EXPECT_EQ(top->child(3)->child(0)->text(0), u"Total Waypoints = 5");

    widget.resize(480, 640);
    widget.show();
    SaveAndCheckScreenshot(widget, QStringLiteral("talvane-gtm-inspection-tree.png"));
}

TEST(QtInspectionTreeTest, AppendsUnderKnownItemsOnly)
{
    QTreeWidget widget;
    QtInspectionTree tree(&widget);
    const GPSTreeItem a = tree.InsertItem(QStringLiteral("a"), 0);
    const GPSTreeItem b = tree.InsertItem(QStringLiteral("b"), 0);
    const GPSTreeItem a1 = tree.InsertItem(QStringLiteral("a1"), a);
    const GPSTreeItem a2 = tree.InsertItem(QStringLiteral("a2"), a);
    ASSERT_TRUE(a && b && a1 && a2);
    EXPECT_EQ(widget.topLevelItemCount(), 2);
    EXPECT_EQ(widget.topLevelItem(1)->text(0), u"b");
    ASSERT_EQ(widget.topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(widget.topLevelItem(0)->child(1)->text(0), u"a2");
    EXPECT_EQ(tree.InsertItem(QStringLiteral("lost"), 999), 0u);
    tree.Expand(999);
    EXPECT_EQ(widget.topLevelItemCount(), 2);

    // After Clear the old handles are unknown, and new ones do not repeat them.
    tree.Clear();
    EXPECT_EQ(widget.topLevelItemCount(), 0);
    EXPECT_EQ(tree.InsertItem(QStringLiteral("x"), a), 0u);
    EXPECT_EQ(tree.ItemOf(a), nullptr);
    const GPSTreeItem c = tree.InsertItem(QStringLiteral("c"), 0);
    EXPECT_NE(c, a);
    EXPECT_NE(c, b);
}

TEST(QtListBoxSinkTest, WayPointListOfGpsbabelFile)
{
    REQUIRE_GPSBABEL();
    GpxContent oracle;
    ASSERT_TRUE(GpsbabelReading(kGtmFixture, &oracle, QStringLiteral("gtm")));
    auto file = CGTMFile().LoadFile(kGtmFixture, nullptr);
    ASSERT_TRUE(file);

    QListWidget widget;
    widget.addItem(QStringLiteral("left over"));
    int selectionSignals = 0;
    QObject::connect(&widget, &QListWidget::currentRowChanged, [&] { ++selectionSignals; });
    QtListBoxSink list(&widget);
    ASSERT_EQ(file->FillWayPointList(&list), int(oracle.waypoints.size()));
    ASSERT_EQ(widget.count(), int(oracle.waypoints.size()));
    for (int i = 0; i < widget.count(); ++i) {
        const GpxWaypoint& w = oracle.waypoints[size_t(i)];
        // gpsbabel keeps the name field's padding; the list shows the name without it.
        const QString name = w.name.trimmed();
        const double ele = w.position.ele.value_or(0);
        EXPECT_EQ(widget.item(i)->text(), name + u' ' + QString::asprintf("%3.0f", ele));
    }
    EXPECT_EQ(selectionSignals, 0);
}

} // namespace

// Drawing the point map (offscreen): the layout of 5,000 and 20,000 peaks in the map control
// (markers, numbers, names placed through the collision grid) and the painting of that layout
// into an image, as a redraw after a zoom, pan or click does it, and as the first draw of newly
// marked points whose names were never measured. Baseline: the same with every name candidate
// tested against every point.
#include "QtBenchMain.h"
#include "ui/framework/UserProfile.h"
#include "ui/views/MapView.h"
#include "ui/views/StaticMapView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>

namespace {

// The map control at the size the main dialog gives it with the default font.
constexpr int kControlWidth = 586;
constexpr int kControlHeight = 448;

// Peaks spread over Taiwan: names of two to six characters, visits 0 to 3, a number on every
// fifth.
void AddPeaks(CMapView& view, int count)
{
    std::mt19937 random(2026);
    for (int i = 0; i < count; ++i) {
        const double x = 120.7 + (random() % 12000) / 10000.0;
        const double y = 22.0 + (random() % 32000) / 10000.0;
        const QString name = QString::fromUtf8("山峰嶺岳").mid(int(random() % 4), 1)
                             + QString::number(i).left(int(1 + random() % 5));
        const int visits = int(random() % 4);
        view.AddItem(x, y, quint32(i), name, name + QStringLiteral("，3000m"), visits,
                     i % 5 == 0 ? 1 + i % 99 : 0);
    }
}

// One draw: the layout in the control and its painting into image.
void DrawOnce(CMapView& view, CStaticMapView& control, QImage& image)
{
    view.Draw(&control);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(control.font());
    view.Paint(painter, image.rect());
}

void CountNames(benchmark::State& state, const CMapView& view)
{
    int names = 0;
    for (int i = 0; i < view.PointCount(); ++i)
        names += view.Point(i).labelDrawn ? 1 : 0;
    state.counters["names"] = names;
    state.SetItemsProcessed(state.iterations() * view.PointCount());
}

void BM_Redraw(benchmark::State& state, CMapView::CollisionSearch search)
{
    CStaticMapView control;
    control.resize(kControlWidth, kControlHeight);
    CMapView view;
    view.SetCollisionSearch(search);
    AddPeaks(view, int(state.range(0)));
    QImage image(control.ClientRect().size(), QImage::Format_RGB32);
    DrawOnce(view, control, image);
    for (auto _ : state)
        DrawOnce(view, control, image);
    CountNames(state, view);
}

// A new view each time, filled untimed: every name and number is measured in the draw.
void BM_FirstDraw(benchmark::State& state, CMapView::CollisionSearch search)
{
    CStaticMapView control;
    control.resize(kControlWidth, kControlHeight);
    QImage image(control.ClientRect().size(), QImage::Format_RGB32);
    std::unique_ptr<CMapView> view;
    for (auto _ : state) {
        state.PauseTiming();
        view = std::make_unique<CMapView>();
        view->SetCollisionSearch(search);
        AddPeaks(*view, int(state.range(0)));
        state.ResumeTiming();
        DrawOnce(*view, control, image);
    }
    CountNames(state, *view);
}

void BM_RedrawGrid(benchmark::State& state)
{
    BM_Redraw(state, CMapView::CollisionSearch::Grid);
}

void BM_RedrawPlainScan(benchmark::State& state)
{
    BM_Redraw(state, CMapView::CollisionSearch::PlainScan);
}

void BM_FirstDrawGrid(benchmark::State& state)
{
    BM_FirstDraw(state, CMapView::CollisionSearch::Grid);
}

void BM_FirstDrawPlainScan(benchmark::State& state)
{
    BM_FirstDraw(state, CMapView::CollisionSearch::PlainScan);
}

} // namespace

BENCHMARK(BM_RedrawGrid)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawPlainScan)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstDrawGrid)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstDrawPlainScan)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}

// One frame of a typical animation, as the pendulum, the water wheel, the lander and the
// probability graphs make it: a 640 x 480 kept image is cleared and drawn with 200 lines,
// 10 filled polygons and 20 circles, then copied whole onto a picture shown on a window.
// A frame every 50 ms (the fastest timer the projects use) leaves that much time for it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <random>
#include <vector>

#include "platform/picturebox.h"
#include "platform/surface.h"

namespace {

struct Scene {
  std::vector<double> lines;                  // x1, y1, x2, y2 in user units
  std::vector<std::vector<QPoint>> polygons;  // device pixels
  std::vector<double> circles;                // x, y, r
};

Scene makeScene() {
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> ux(-168, 168), uy(-220, 0), ur(3, 40);
  std::uniform_int_distribution<int> px(0, 639), py(0, 479);
  Scene s;
  for (int i = 0; i < 200; ++i) s.lines.insert(s.lines.end(), {ux(gen), uy(gen), ux(gen), uy(gen)});
  for (int i = 0; i < 10; ++i) {
    std::vector<QPoint> poly;
    int cx = px(gen), cy = py(gen);
    for (int k = 0; k < 6; ++k) poly.emplace_back(cx + px(gen) / 8 - 40, cy + py(gen) / 6 - 40);
    s.polygons.push_back(poly);
  }
  for (int i = 0; i < 20; ++i) s.circles.insert(s.circles.end(), {ux(gen), uy(gen), ur(gen)});
  return s;
}

void drawFrame(plat::ImageSurface& work, const Scene& scene, int frame) {
  work.cls();
  work.setDrawWidth(2);
  for (size_t i = 0; i < scene.lines.size(); i += 4)
    work.line(scene.lines[i], scene.lines[i + 1], scene.lines[i + 2], scene.lines[i + 3],
              rt::numberedColour(int(i / 4 + frame) % 15));
  work.setDrawWidth(1);
  work.setFillStyle(plat::FillSolid);
  for (size_t i = 0; i < scene.polygons.size(); ++i) {
    work.setForeColor(rt::numberedColour(14));
    work.setFillColor(rt::numberedColour(int(i) % 8 + 8));
    work.polygon(scene.polygons[i]);
  }
  work.setFillColor(rt::numberedColour(11));
  for (size_t i = 0; i < scene.circles.size(); i += 3)
    work.circle(scene.circles[i], scene.circles[i + 1], scene.circles[i + 2], rt::numberedColour(0));
}

// Drawing the frame and copying it onto the visible picture's kept image.
void BM_AnimationFrame(benchmark::State& state) {
  QWidget window;
  window.resize(660, 500);
  plat::PictureBox visible(&window);
  visible.setGeometry(10, 10, 640, 480);
  window.show();
  plat::ImageSurface work(640, 480, rt::numberedColour(15));
  work.setScale(-168, 0, 168, -220.5);
  Scene scene = makeScene();
  int frame = 0;
  for (auto _ : state) {
    drawFrame(work, scene, frame++);
    plat::bitBlt(visible.surface(), 0, 0, 640, 480, work, 0, 0);
    benchmark::DoNotOptimize(visible.surface().image().constBits());
  }
}
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMicrosecond);

// The same, with the window repainted from the picture at once, as after every tick.
void BM_AnimationFrameShown(benchmark::State& state) {
  QWidget window;
  window.resize(660, 500);
  plat::PictureBox visible(&window);
  visible.setGeometry(10, 10, 640, 480);
  window.show();
  QApplication::processEvents();
  plat::ImageSurface work(640, 480, rt::numberedColour(15));
  work.setScale(-168, 0, 168, -220.5);
  Scene scene = makeScene();
  int frame = 0;
  for (auto _ : state) {
    drawFrame(work, scene, frame++);
    plat::bitBlt(visible.surface(), 0, 0, 640, 480, work, 0, 0);
    visible.refresh();
  }
}
BENCHMARK(BM_AnimationFrameShown)->Unit(benchmark::kMicrosecond);

// The copy alone: the block copy every flicker-free window makes per frame.
void BM_FrameCopy(benchmark::State& state) {
  plat::ImageSurface work(640, 480, rt::numberedColour(15)), visible(640, 480);
  for (auto _ : state) {
    plat::bitBlt(visible, 0, 0, 640, 480, work, 0, 0);
    benchmark::DoNotOptimize(visible.image().constBits());
  }
}
BENCHMARK(BM_FrameCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

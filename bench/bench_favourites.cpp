// Rewriting a favourites file of 1,000 entries on disk, the safe way (a
// temporary file that replaces the old one when complete).
#include "forums/ForumListFile.h"

#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void RewriteFavourites(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Favourite.svl"));
  QStringList entries;
  for (int i = 0; i < state.range(0); ++i)
    entries << QStringLiteral("%1 Forum numero %2, già aperto").arg(100 + i % 900).arg(i);
  for (auto _ : state)
    benchmark::DoNotOptimize(slv::forums::rewriteEntries(path, entries));
}
BENCHMARK(RewriteFavourites)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

// Reading the preferences file through the store, from 1 KiB up to the
// largest file it reads, for three kinds of text: many honest entries, one
// key repeated with values that all run on to the file's only closing tag,
// and distinct keys that do the same. Time per read, and what a read keeps:
// the characters handed to the store, the heap the store holds after it,
// and the growth of the peak resident memory (in pages, so 0 where freed
// memory was reused).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <malloc.h>

#include "FakeServices.h"
#include "PlistText.h"
#include "Preferences.h"

namespace {

enum Kind { Entries, OneKey, DistinctKeys };

QByteArray TextOf(Kind kind, qsizetype size) {
    QByteArray text;
    for (int i = 0; text.size() < size - 40; ++i) {
        const QByteArray n = QByteArray::number(i);
        switch (kind) {
        case Entries:
            text += "\n\t<key>k" + n + "</key>\n\t\n\t<string>" + QByteArray(100, 'v') +
                    "</string>\n\t";
            break;
        case OneKey:
            text += "<key>b</key><string>";
            break;
        case DistinctKeys:
            text += "<key>k" + n + "</key><string>-";
            break;
        }
    }
    text += "</string>";
    text.append(size - text.size(), '\n');
    return text.left(size);
}

// Counts what reaches Put, as the store hands on every pair it reads.
class CountingPreferences : public Preferences {
  public:
    void Put(const QString& key, const Variant& value) override {
        ++pairs;
        kept += key.size() + value.StringValue().size();
        Preferences::Put(key, value);
    }
    qint64 pairs = 0;
    qint64 kept = 0;
};

qint64 StatusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The peak resident memory is set back to the present one, so the peak
// after the read is the read's own.
void ResetPeakMemory() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

void BM_ReadPrefs(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    const qsizetype size = state.range(1);
    FakeServices fake;
    QDir().mkpath(fake.prefsFolder);
    QFile file(fake.prefsFolder + QStringLiteral("/bench.plist"));
    if (!file.open(QIODevice::WriteOnly) || file.write(TextOf(kind, size)) != size) {
        state.SkipWithError("could not write the file");
        return;
    }
    file.close();

    {
        ResetPeakMemory();
        const qint64 before = StatusKiB("VmRSS:");
        const size_t heapBefore = mallinfo2().uordblks;
        CountingPreferences store;
        store.Filename = QStringLiteral("bench.plist");
        store.ReadFile();
        state.counters["held_KiB"] = double(mallinfo2().uordblks - heapBefore) / 1024;
        state.counters["peak_KiB"] = double(StatusKiB("VmHWM:") - before);
        state.counters["pairs"] = double(store.pairs);
        state.counters["kept_chars"] = double(store.kept);
    }
    for (auto _ : state) {
        Preferences store;
        store.Filename = QStringLiteral("bench.plist");
        benchmark::DoNotOptimize(store.ReadFile());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int kind : {Entries, OneKey, DistinctKeys})
        for (qint64 size = 1024; size <= PlistText::kMaxFileBytes; size *= 4)
            b->Args({kind, size});
    b->ArgNames({"kind", "bytes"})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ReadPrefs)->Apply(Sizes);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

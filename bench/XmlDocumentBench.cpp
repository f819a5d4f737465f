// How long reading the shipped description files takes: the keyboard layout is loaded and
// walked key by key whenever a keyboard is selected.

#include "app/core/TextCodec.h"
#include "app/store/XmlDocument.h"

#include <benchmark/benchmark.h>

namespace {

const std::wstring kLayout = Utf8ToWide(CLAVIRA_DATA_DIR "/layouts/M614-RGB.xml");
const std::wstring kConfig = Utf8ToWide(CLAVIRA_DATA_DIR "/config.xml");

void LoadLayoutAndReadEveryKey(benchmark::State& state) {
    for (auto _ : state) {
        XmlDocument doc;
        bool ok = doc.LoadFile(kLayout) && doc.FindElement(L"device.info") && doc.EnterElement() &&
                  doc.FindElement(L"Keyboard") && doc.EnterElement() &&
                  doc.FindElement(L"KeyItems") && doc.EnterElement();
        int keys = 0;
        while (ok && doc.FindElement(L"key")) {
            benchmark::DoNotOptimize(doc.GetAttribute(L"code"));
            benchmark::DoNotOptimize(doc.GetAttribute(L"rect"));
            ++keys;
        }
        state.counters["keys"] = keys;
    }
}
BENCHMARK(LoadLayoutAndReadEveryKey);

void LoadConfig(benchmark::State& state) {
    for (auto _ : state) {
        XmlDocument doc;
        benchmark::DoNotOptimize(doc.LoadFile(kConfig));
    }
}
BENCHMARK(LoadConfig);

} // namespace

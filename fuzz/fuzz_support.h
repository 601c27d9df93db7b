// What the fuzz targets share: turning the fuzzer's bytes into text, and
// stopping with a message when a property fails, so that the fuzzer keeps
// the input that broke it.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace tallyra::fuzz {

[[noreturn]] inline void fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "property broken: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::tallyra::fuzz::fail(#condition, detail);                                             \
    } while (false)

// The few characters the program's texts are made of, so that terms meet
// texts often: letters of the corpus, a letter with a mark, the separators,
// digits of two scripts and a sign.
inline constexpr char16_t kAlphabet[] = u"الهمنو بك\r\n1٢-+ًa";

// A text from the fuzzer's bytes, in one of three readings the first byte
// chooses: characters of the small alphabet, UTF-16 code units (any of them,
// half surrogates included), or UTF-8 (malformed bytes become U+FFFD).
inline QString text_from(FuzzedDataProvider& data, size_t maxBytes) {
    const int reading = data.ConsumeIntegralInRange<int>(0, 2);
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    switch (reading) {
    case 0: {
        QString text;
        constexpr int n = int(std::size(kAlphabet)) - 1;
        for (unsigned char b : bytes)
            text += QChar(kAlphabet[b % n]);
        return text;
    }
    case 1:
        return QString(reinterpret_cast<const QChar*>(bytes.data()), qsizetype(bytes.size() / 2));
    default:
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    }
}

} // namespace tallyra::fuzz

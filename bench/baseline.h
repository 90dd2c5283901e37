#pragma once
// Plain baselines: the simplest fast code for the job a benchmark times, run on the same data
// in the same process. On a shared machine absolute times wander from run to run; the ratio of
// the program to its baseline, each the median of a few runs of processor time, does not.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace Baseline {

constexpr int Repeats = 5;

// Memory once taken stays with the process, so that after the first run neither the program
// nor the baseline asks the system for fresh pages: on a virtual machine the first touch of a
// page can cost more than the work done on it, and the two would be compared on how the
// allocator happens to reuse blocks of their sizes rather than on their work.
inline void keepMemory()
{
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

// Processor time of the whole process: time spent by other programs does not count.
inline double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// One timed run: prepare and finish are not timed.
struct Job
{
    std::function<void()> prepare;
    std::function<void()> work;
    std::function<void()> finish;
};

inline double timeOnce(const Job& job)
{
    if (job.prepare)
        job.prepare();
    const double start = cpuMs();
    job.work();
    const double spent = cpuMs() - start;
    if (job.finish)
        job.finish();
    return spent;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the program and the baseline in turn, Repeats times each, and prints both medians and
// their ratio (and the ratio to reach, if target is above 0); returns the ratio.
inline double compare(const char* what, const Job& program, const Job& baseline, double target)
{
    std::vector<double> programMs;
    std::vector<double> baselineMs;
    for (int run = 0; run < Repeats; ++run) {
        programMs.push_back(timeOnce(program));
        baselineMs.push_back(timeOnce(baseline));
    }
    const double p = median(programMs);
    const double b = median(baselineMs);
    const double ratio = b > 0 ? p / b : 0;
    std::printf("%-50s %8.1f ms  baseline %7.1f ms  ratio %5.2f", what, p, b, ratio);
    if (target > 0)
        std::printf("  (target %.1f)", target);
    std::printf("\n");
    std::fflush(stdout);
    return ratio;
}

// xoshiro256**, expanded from one seed by splitmix64.
class FastRandom
{
public:
    explicit FastRandom(std::uint64_t seed)
    {
        for (std::uint64_t& word : m_state) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }
    std::uint64_t next()
    {
        const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * 0x1.0p-53; }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t m_state[4];
};

// Open addressing over the keys themselves; 0 is never a key.
class KeySet
{
public:
    void reserve(std::size_t count)
    {
        std::size_t size = 16;
        while (size < 2 * count)
            size *= 2;
        if (size <= m_slots.size())
            return;
        std::vector<std::uint64_t> old(size, 0);
        old.swap(m_slots);
        m_shift = 64;
        for (std::size_t s = size; s > 1; s /= 2)
            --m_shift;
        for (std::uint64_t key : old)
            if (key != 0)
                insert(key);
    }
    bool insert(std::uint64_t key)
    {
        const std::size_t mask = m_slots.size() - 1;
        std::size_t slot = slotOf(key);
        while (m_slots[slot] != 0) {
            if (m_slots[slot] == key)
                return false;
            slot = (slot + 1) & mask;
        }
        m_slots[slot] = key;
        return true;
    }
    bool contains(std::uint64_t key) const
    {
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t slot = slotOf(key); m_slots[slot] != 0; slot = (slot + 1) & mask)
            if (m_slots[slot] == key)
                return true;
        return false;
    }

private:
    std::size_t slotOf(std::uint64_t key) const
    {
        return std::size_t((key * 0x9e3779b97f4a7c15ULL) >> m_shift);
    }
    std::vector<std::uint64_t> m_slots;
    int m_shift = 64;
};

// The packed key of a row: byte k the goals of team k, byte 6 the number of matches.
inline std::uint64_t keyOf(int matches, const int* goals)
{
    std::uint64_t key = std::uint64_t(matches) << 48;
    for (int team = 0; team < 2 * matches; ++team)
        key |= std::uint64_t(goals[team]) << (8 * team);
    return key;
}

// A million draws of three matches within 0..max each, new keys kept in draw order.
inline void draws(FastRandom& random, int count, int max, KeySet& seen,
                  std::vector<std::uint64_t>& rows)
{
    seen.reserve(std::size_t(count));
    rows.reserve(std::size_t(count));
    int goals[6];
    for (int n = 0; n < count; ++n) {
        for (int& goal : goals)
            goal = int((max + 1) * random.unit());
        const std::uint64_t key = keyOf(3, goals);
        if (seen.insert(key))
            rows.push_back(key);
    }
}

// Reads a row file whole and parses every line into a key, trusting the data.
inline std::vector<std::uint64_t> readKeys(const char* path)
{
    std::vector<std::uint64_t> keys;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return keys;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    std::vector<char> bytes(std::size_t(size) + 1, '\n');
    const std::size_t got = std::fread(bytes.data(), 1, std::size_t(size), file);
    std::fclose(file);
    keys.reserve(got / 8 + 1);
    const char* p = bytes.data();
    const char* end = p + got;
    while (p < end) {
        int goals[6] = {};
        int team = 0;
        while (*p != '\r' && *p != '\n') {
            int goal = *p++ - '0';
            if (*p >= '0' && *p <= '9')
                goal = goal * 10 + (*p++ - '0');
            goals[team++] = goal;
            if (*p == '-' || *p == ' ')
                ++p;
        }
        keys.push_back(keyOf(team / 2, goals));
        while (p < end && (*p == '\r' || *p == '\n'))
            ++p;
    }
    return keys;
}

// Ticks the keys found among the other list's keys.
inline void tickFound(const std::vector<std::uint64_t>& keys, std::vector<bool>& ticks,
                      const std::vector<std::uint64_t>& other)
{
    KeySet set;
    set.reserve(other.size());
    for (std::uint64_t key : other)
        set.insert(key);
    for (size_t i = 0; i < keys.size(); ++i)
        if (set.contains(keys[i]))
            ticks[i] = true;
}

// Rows of 7 different numbers of 1..39, counting how often each number comes up.
template <typename Counts> void drawLottoRows(FastRandom& fast, long long rows, Counts& counts)
{
    for (long long row = 0; row < rows; ++row) {
        std::uint64_t taken = 0;
        for (int accepted = 0; accepted < 7;) {
            const int n = int(fast.unit() * 39 + 1);
            const std::uint64_t bit = std::uint64_t(1) << n;
            if (taken & bit)
                continue;
            taken |= bit;
            ++counts[size_t(n)];
            ++accepted;
        }
    }
}

// The plain job of opening a file of keys into a list that holds heldKeys, leaving out the
// keys already held.
inline Job openingJob(std::vector<std::uint64_t> heldKeys, std::string path)
{
    struct State
    {
        std::vector<std::uint64_t> held, keys;
        std::string path;
        KeySet seen;
    };
    auto state = std::make_shared<State>();
    state->held = std::move(heldKeys);
    state->path = std::move(path);
    return {[state] {
                state->keys = state->held;
                state->seen = {};
                state->seen.reserve(state->keys.size());
                for (std::uint64_t key : state->keys)
                    state->seen.insert(key);
            },
            [state] {
                const std::vector<std::uint64_t> file = readKeys(state->path.c_str());
                state->seen.reserve(state->keys.size() + file.size());
                state->keys.reserve(state->keys.size() + file.size());
                for (std::uint64_t key : file)
                    if (state->seen.insert(key))
                        state->keys.push_back(key);
            },
            {}};
}

// The plain job of ticking the keys each of two lists shares with the other.
inline Job comparingJob(std::vector<std::uint64_t> keys1, std::vector<std::uint64_t> keys2)
{
    struct State
    {
        std::vector<std::uint64_t> keys1, keys2;
        std::vector<bool> ticks1, ticks2;
    };
    auto state = std::make_shared<State>();
    state->keys1 = std::move(keys1);
    state->keys2 = std::move(keys2);
    return {[state] {
                state->ticks1.assign(state->keys1.size(), false);
                state->ticks2.assign(state->keys2.size(), false);
            },
            [state] {
                tickFound(state->keys1, state->ticks1, state->keys2);
                tickFound(state->keys2, state->ticks2, state->keys1);
            },
            {}};
}

} // namespace Baseline

#pragma once
// Random filling of the goal grid: one draw ("Arvo") and the search for a system of a wanted
// size ("Järjestelmä"). Besides the grid it keeps the count the size label shows. That count
// is what the draws read, and while a draw places its ticks most recounts are skipped, so it
// can lag behind the grid; the draws depend on exactly when it lags.
//
// The window mirrors the grid's check boxes from grid() after each call. Feeding a mirrored
// box back through setTicked() is harmless: a box that does not change recounts nothing.

#include "core/goalgrid.h"
#include "core/random.h"
#include <QStringView>
#include <functional>
#include <optional>

class GridDraw
{
public:
    static constexpr int MaxAttempts = 1000;

    explicit GridDraw(RandomSource& random) : m_random(random) {}

    const GoalGrid& grid() const { return m_grid; }
    // The size the label shows; 0 for an empty system.
    qint64 shownSize() const { return m_shownSize; }
    int drawTickCount() const { return m_drawTickCount; }
    int drawStep() const { return m_drawStep; }
    bool singleResultMode() const { return m_singleResultMode; }
    bool wantedMode() const { return m_wantedMode; }

    // Recounts the size into shownSize unless a bulk change or a running draw suppresses it;
    // returns whether it counted (the window reprices then).
    bool recount(int columnCount);
    // A box click: changes the box and recounts; false when nothing was recounted.
    bool setTicked(int team, int goal, bool ticked, int columnCount);
    // Unticks everything without counting; shows 0 and ends single-result mode. The window
    // ticks "Koko rivi" again afterwards.
    void clearGrid();
    // Ticks every box without counting; the shown size stays as it was until the next click.
    void fillAll();

    // Everything but the generator: a grid cleared by "Tyhjennä kaikki" is put back with the
    // count it showed and the state of a single-result draw under way.
    struct Saved
    {
        GoalGrid grid;
        qint64 shownSize = 0;
        int columnCount = 3;
        int drawTickCount = 0;
        int drawStep = 0;
        bool singleResultMode = false;
        bool wantedMode = false;
        bool operator==(const Saved& other) const;
    };
    Saved saved() const;
    void restore(const Saved& saved);

    // "Arvo": one draw within 0..maxGoal (maxGoal >= 0), a whole row or a single result.
    void drawOnce(int maxGoal, bool wholeRow, int columnCount);

    // The wanted size limited by what the maximum goal allows, the maximum read as text.
    static qint64 cappedWanted(qint64 wanted, QStringView maxGoalText, int columnCount);
    // The maximum goal of a draw from its box: digits only; very large numbers are held at a
    // value that no box reaches anyway. Nothing for an empty or non-numeric text.
    static std::optional<int> readMaxGoal(QStringView text);

    struct WantedResult
    {
        qint64 wanted = 0; // after the cap; the window writes it back into the box
        bool reached = false;
        int attempts = 0;
    };
    // "Järjestelmä": draws whole rows, clearing on overshoot, until the shown size equals the
    // capped wanted size or MaxAttempts attempts pass, which leaves the grid empty. progress
    // sees the attempts after each one; returning false stops like giving up. Does nothing
    // for a wanted size below 1 or an unreadable maximum.
    WantedResult drawWanted(qint64 wanted, QStringView maxGoalText, int columnCount,
                            const std::function<bool(int attempts)>& progress = {});

private:
    void draw(int maxGoal, bool wholeRow, int columnCount);
    void tickDrawn(int team, int maxGoal);
    int randomTeam();

    GoalGrid m_grid;
    RandomSource& m_random;
    qint64 m_shownSize = 0;
    int m_columnCount = 3;
    int m_drawTickCount = 0;
    int m_drawStep = 0;
    bool m_singleResultMode = false;
    bool m_wantedMode = false;
    bool m_bulkFilling = false;
    bool m_clearing = false;
};

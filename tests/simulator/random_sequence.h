#pragma once
// Fixed random draws for the simulator's tests.

#include "simulator/equity_simulation.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace korvex {

// Draw n (counted from 0) is draw(n); the source counts what it handed out.
struct RandomSequence {
    explicit RandomSequence(std::function<double(std::size_t)> draw)
        : state(std::make_shared<State>(State{std::move(draw), 0}))
    {
    }
    // The same value at every draw.
    static RandomSequence constant(double u)
    {
        return RandomSequence([u](std::size_t) { return u; });
    }
    // The values in turn, over and over.
    static RandomSequence cycle(std::vector<double> values)
    {
        return RandomSequence([values](std::size_t n) { return values[n % values.size()]; });
    }

    RandomSource source() const
    {
        return [state = state] { return state->draw(state->count++); };
    }
    std::size_t draws() const { return state->count; }

    struct State {
        std::function<double(std::size_t)> draw;
        std::size_t count;
    };
    std::shared_ptr<State> state;
};

// A simulation of `lines` curves of `trades` trades drawn from the sequence.
inline EquitySimulation simulationOf(const RandomSequence& draws, double stepY, double prob, int lines, int trades)
{
    EquitySimulation simulation(trades, draws.source());
    simulation.StepY = stepY;
    simulation.prob = prob;
    simulation.Number = lines;
    simulation.newRnd();
    return simulation;
}

}  // namespace korvex

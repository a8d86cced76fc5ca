#pragma once

class CLevel;

// Whether the ball can never get from its start into the cup, with certainty and without a shot:
// the level has no cup ground, or every cell with cup ground is cut off from the start by cells
// of solid wall that no ball on this level moves fast enough to pass.
//
// A ball passes a wall only when a step carries its centre onto wall ground: the wall scan of a
// step sees every wall within its radius r ahead, so the centre must come from at least r - d
// away, d the length of a step. In a right-angled inner corner the reflection off one wall can
// carry it toward the other by up to d again, so the centre stays off wall ground while
// sqrt(2) d < r. The ball is never faster than the strongest shot the mouse gives anywhere it can
// go, or than a slope can pull it against the least friction (slope pull G / friction 0.42, about
// 15): friction and walls only slow it, and the pull of the cup acts only next to the cup.
// Slanted or rounded wall can form sharper corners; the answer is then "not certain" wherever
// such wall touches the solid wall that cuts the cup off.
class CCupReach {
public:
    enum Verdict {
        Reachable,  // as far as this check can tell: the search decides
        NoCup,      // no cell has cup ground
        CutOff,     // walls that no ball here can pass cut every cup cell off from the start
    };

    static Verdict Judge(const CLevel& level);
};

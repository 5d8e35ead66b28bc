// route.h -- a written way through a level: where to walk, jump, wait and shoot.
//
// One step a line, '#' starts a comment:
//
//   right X      hold right until the soldier's x is at least X
//   left X       hold left until x is at most X
//   stop         let go of the move keys
//   jump         press jump (taken on the next tick if he stands on something)
//   land         wait until he stands still vertically, the jump over
//   wait N       let N ticks pass
//   aim A        hold the rifle at A rad (positive raises the muzzle)
//   aim auto     aim at the nearest mosquito ahead (the default)
//   fire auto    fire while a mosquito ahead is in the sights (the default)
//   fire on      fire all the time; fire off: never
//   goal         hold right until the level is left
//
// A step that holds a key keeps holding it into the next steps until one of
// them says otherwise, so "right 460" then "jump" jumps on the run.
#pragma once

#include <string>
#include <vector>

struct RouteStep {
    enum Op { Right, Left, Stop, Jump, Land, Wait, Aim, AimAuto, Fire, Goal } op = Stop;
    int value = 0;       // Right/Left: level x; Wait: ticks
    float angle = 0.0f;  // Aim: rad
    enum FireMode { FireOff, FireAuto, FireOn } fire = FireAuto;
    int line = 0;  // in the route file, for messages
};

using Route = std::vector<RouteStep>;

// Reads a route file; on failure returns false with "PATH:LINE: problem".
bool LoadRoute(const std::string& path, Route& route, std::string& error);

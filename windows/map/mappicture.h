#pragma once

#include "engine/walkingroute.h"

#include <QImage>

// The island with its route, drawn from the route table at the map's own
// size (317 x 418 pixels), so that the route's pixel positions fit it.
QImage DrawMapPicture(const RouteTable& route);

// The walker's progress drawn onto a copy of the clean map: the stretches
// already covered, the present one as far as it goes, and a red marker.
QImage DrawProgress(const QImage& cleanMap, const RouteTable& route,
                    const WalkingProgress& progress);

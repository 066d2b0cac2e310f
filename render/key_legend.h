// The key legend at the top right of the picture, while the player is new to the
// start room. It only reads the World's play; nothing in play reads it.
#pragma once

// Puts the legend up for a game that starts now.
void showKeyLegend();
// Once a pass, before its frame: the legend goes when the player first leaves the
// start room, or after its time.
void stepKeyLegend();
// Drawn last, over the health bar's drawing state, while it is up and data/ had its picture.
void drawKeyLegend();
// The picture alone, whatever the legend's time, with its top-left corner at the given point.
void drawKeyLegendAt(float left, float top);

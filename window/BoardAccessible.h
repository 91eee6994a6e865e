#pragma once
// What assistive technology sees of the board cells: a tile body is a
// button named after its place and state, whose press is a click on the
// cell; a picture is a graphic named after what it shows.

// Registers the board's accessible interfaces; safe to call more than once.
void InstallBoardAccessibility();

#pragma once

// A new graphics item id: process-wide, increasing from 1 (GUI thread only).
int NextGraphicsItemId();

// SPDX-License-Identifier: GPL-3.0-or-later
// Holds no code; the library carries the compiled-in images.

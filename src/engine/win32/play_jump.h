// Moving through the open song: the playing position in tenths of a
// second, jumps while playing or paused, and where Play starts when it is
// moved before Play.
#pragma once

#include <cstdint>

namespace lomvex {

// The open song's length in tenths of a second; 0 with none open.
int SongTenths();
// Where the song plays now: the run's position, or where Play starts.
int PlayPositionTenths();
// Moves the playing position to `tenths` (kept inside the song, and inside
// a playing loop: at or past its End, to its Start): heard at once while
// playing or paused, kept for Play otherwise. A file that cannot be moved
// in keeps playing where it is.
void MovePlayPosition(int tenths);
// Play starts at the start again, with no loop: another file was opened.
void ResetPlayPosition();

// Moves the source of the running run towards `tenths` (the data offset
// from where it reads on goes into `offset`), leaving the ring and the
// stages as they are; false when it cannot move, the file read on from
// where it stood.
bool MoveSourceTo(int tenths, uint32_t& offset);

// The source bytes a second of the open song takes: the format's byte
// rate, or for Ogg Vorbis the file's bytes over its length (its last
// granule), which the nominal bit rate only estimates.
uint32_t PositionByteRate();
// Measures it for the file just opened; the file stays at its first data
// byte.
void MeasurePositionByteRate();

// At the start of a play run, once its buffers exist: records where the
// data starts and moves the source to the start position. False when the
// source cannot be moved there (the run plays from the start).
bool ApplyStartPosition();

}  // namespace lomvex

#pragma once

// Wide enough for every product the checks form: a coefficient below 2^31
// times a pupil's number below 2^63, and sums of two of those.
__extension__ typedef __int128 Wide;

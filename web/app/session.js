// What the page holds now, shared by its parts: the chosen archive, its tracks as the look found
// them, and the run going on, if any.
export const session = {archive: null, tracks: [], run: null};

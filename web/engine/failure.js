// How an engine job ends early: a Failure carries the tools' "Can't ..." line, which the page
// shows as they would print it; Cancelled, the page's cancel, ends a job with no word.
export class Failure extends Error {}
export class Cancelled extends Error {}

// The line a job that stopped on error ends with.
export const failureLine = (error) =>
  error instanceof Failure ? error.message : `Can't go on: ${error}`;

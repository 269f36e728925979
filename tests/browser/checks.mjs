// The browser tests' checks: each prints "ok" or "not ok" with its name, and
// a failed one is counted rather than ending the run.
export const results = { failures: 0 };

export async function check(name, body) {
  try {
    await body();
    console.log(`ok - ${name}`);
  } catch (error) {
    results.failures += 1;
    console.log(`not ok - ${name}\n  ${String(error.stack || error).replace(/\n/g, '\n  ')}`);
  }
}

export function expectEqual(actual, expected, what) {
  const a = JSON.stringify(actual);
  const e = JSON.stringify(expected);
  if (a !== e) throw new Error(`${what}:\n    got      ${a}\n    expected ${e}`);
}

// Runs a test's main: a check that failed, an exception or running out of
// time ends the process with a failure.
export function runChecks(main, timeoutMs) {
  const watchdog = setTimeout(() => {
    console.log('not ok - the test ran out of time');
    process.exit(1);
  }, timeoutMs);
  watchdog.unref();
  main()
    .then(() => {
      if (results.failures) {
        console.log(`${results.failures} check(s) failed`);
        process.exit(1);
      }
    })
    .catch((error) => {
      console.log(`not ok - ${error.stack || error}`);
      process.exit(1);
    });
}

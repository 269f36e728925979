import java.util.Objects;

/** Counts checks and failures; a failure is printed and the run goes on. */
final class Check {
    static int checks;
    static int failures;
    /** Names the case a failure belongs to. */
    static String scope = "";

    private Check() {
    }

    static void that(boolean ok, String what) {
        checks++;
        if (!ok) {
            failures++;
            System.out.println("FAIL [" + scope + "] " + what);
        }
    }

    static void equal(Object expected, Object actual, String what) {
        that(Objects.equals(expected, actual),
                what + ": expected <" + expected + "> but was <" + actual + ">");
    }

    static void fail(String what, Throwable error) {
        checks++;
        failures++;
        System.out.println("FAIL [" + scope + "] " + what + ": " + error);
        error.printStackTrace(System.out);
    }

    /** The closing line CTest shows; the exit status tells pass or fail. */
    static void finish(String suite) {
        System.out.println(suite + ": " + checks + " checks, " + failures + " failed");
        System.exit(failures == 0 && checks > 0 ? 0 : 1);
    }
}

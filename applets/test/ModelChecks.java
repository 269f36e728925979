import java.awt.Color;
import java.awt.EventQueue;
import java.awt.Font;
import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/** The applets' parsing of entries and values, and their timer, case by case. */
final class ModelChecks {
    private ModelChecks() {
    }

    static void run() throws Exception {
        trees();
        values();
        timer();
    }

    /** Entries, as level numbers ("*" a separator, "-" no level), and the tree they give. */
    private static void trees() {
        Object[][] cases = {
            // entry levels, expected captions with depth, skipped
            {"0 1 2 1 0", "a0 b1 c2 d1 e0", 0},
            {"0 2 2", "a0 b1 c1", 0},
            {"3 0", "a0 b0", 0},
            {"2 1 2", "a0 c0", 1},
            {"0 - 0", "a0 c0", 1},
            {"0 * 0", "a0 *0 c0", 0},
            {"0 * 1", "a0 *1 c1", 0},
            {"0 1 * 0", "a0 b1 *0 d0", 0},
            {"0 1 *", "a0 b1 *1", 0},
            {"* 0", "*0 b0", 0},
        };
        Check.scope = "tree building";
        for (Object[] c : cases) {
            String[] levels = ((String) c[0]).split(" ");
            List<String> entries = new ArrayList<>();
            for (int i = 0; i < levels.length; i++) {
                String name = String.valueOf((char) ('a' + i));
                if (levels[i].equals("*")) {
                    entries.add("***");
                } else if (levels[i].equals("-")) {
                    entries.add(name + "; " + name + ".htm; main");
                } else {
                    entries.add(name + "; " + name + ".htm; main; " + levels[i] + "; leaf ; leaf ; ;None; None; NO");
                }
            }
            TreeNode tab = new TreeNode();
            tab.level = -1;
            int skipped = tab.addEntries(entries);
            List<String> got = new ArrayList<>();
            for (TreeNode n : tab.descendants()) {
                got.add((n.separator ? "*" : n.text) + n.level);
            }
            Check.equal(Arrays.asList(((String) c[1]).split(" ")), got, "entries " + c[0]);
            Check.equal(c[2], skipped, "skipped of " + c[0]);
        }
        TreeNode node = TreeNode.parseTab("Caption ; None; none ; Status; two.htm; _blank; YES");
        Check.equal(Arrays.asList("Caption", "", "", "Status", "two.htm", "_blank", "true"),
                Arrays.asList(node.text, node.url1, node.target1, node.status, node.url2, node.target2,
                        String.valueOf(node.onDemand)), "tab entry pieces");
        node = TreeNode.parseTab("Only a caption");
        Check.that(node.text.equals("Only a caption") && node.url1.isEmpty() && !node.onDemand,
                "missing tab pieces are empty");
    }

    private static void values() {
        Check.scope = "values";
        Color fallback = Color.magenta;
        Object[][] colours = {
            {"255,255,0", new Color(255, 255, 0)},
            {" 1 , 2 , 3 ", new Color(1, 2, 3)},
            {"300,-5,7", new Color(255, 0, 7)},
            {"1,2", fallback},
            {"a,b,c", fallback},
            {null, fallback},
        };
        for (Object[] c : colours) {
            Check.equal(c[1], Beans.color((String) c[0], fallback), "colour " + c[0]);
        }
        Object[][] fonts = {
            {"Arial; PLAIN;11", "Arial", Font.PLAIN, 11},
            {"TimesRoman; PLAIN;12", "TimesRoman", Font.PLAIN, 12},
            {"Verdana; BOLDITALIC;9", "Verdana", Font.BOLD | Font.ITALIC, 9},
            {"Verdana; BOLD;x", "Verdana", Font.BOLD, 12},
            {"", "Arial", Font.PLAIN, 12},
            {null, "Arial", Font.PLAIN, 12},
        };
        for (Object[] f : fonts) {
            Font font = Beans.font((String) f[0]);
            Check.equal(Arrays.asList(f[1], f[2], f[3]),
                    Arrays.asList(font.getName(), font.getStyle(), font.getSize()), "font " + f[0]);
        }
        for (String yes : new String[] {"Yes", "YES", "true", "1", " yes "}) {
            Check.that(Beans.isYes(yes), yes + " is yes");
        }
        for (String no : new String[] {"No", "", "y", "0", null}) {
            Check.that(!Beans.isYes(no), no + " is no");
        }
        Check.equal(Arrays.asList(Beans.FRAME_RECT, Beans.FRAME_LINE, Beans.FRAME_NONE, Beans.FRAME_NONE),
                Arrays.asList(Beans.frame("Rect"), Beans.frame("line"), Beans.frame("Box"), Beans.frame(null)),
                "mouse-over frame values");
    }

    /** The timer fires once, on the event thread; a stopped timer never fires. */
    private static void timer() throws Exception {
        Check.scope = "timer";
        final List<String> fired = new ArrayList<>();
        final boolean[] onEventThread = {false};
        ActionListener listener = new ActionListener() {
            @Override
            public void actionPerformed(ActionEvent e) {
                synchronized (fired) {
                    fired.add(e.getActionCommand());
                    onEventThread[0] = EventQueue.isDispatchThread();
                    fired.notifyAll();
                }
            }
        };
        Timer stopped = new Timer(listener, "stopped", 50, 0);
        stopped.start();
        stopped.stop();
        Timer once = new Timer(listener, "once", 150, 0);
        once.start();
        synchronized (fired) {
            long end = System.currentTimeMillis() + 5000;
            while (!fired.contains("once") && System.currentTimeMillis() < end) {
                fired.wait(100);
            }
        }
        EventQueue.invokeAndWait(new Runnable() {
            @Override
            public void run() {
            }
        });
        synchronized (fired) {
            Check.equal(Arrays.asList("once"), fired, "actions fired");
            Check.that(onEventThread[0], "fired on the event thread");
        }
        Check.that(!once.isRunning(), "a one-shot timer is done after firing");
    }
}

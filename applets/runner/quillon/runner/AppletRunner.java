package quillon.runner;

import java.applet.Applet;
import java.awt.BorderLayout;
import java.awt.Dimension;
import java.awt.Frame;
import java.awt.Label;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.io.File;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.ArrayList;
import java.util.List;

/**
 * Shows the applet of a saved menu page in a window of its own, as a
 * browser would: the classes come from the page's ARCHIVE, then from its
 * code base folder; the PARAM tags are the applet's parameters; links are
 * printed instead of opened, and the status text shows under the applet.
 *
 *   java -jar applet-runner.jar [--loose] [--mute] PAGE.htm
 *
 * --loose ignores the ARCHIVE, so only the loose class files are used.
 */
public final class AppletRunner {
    private AppletRunner() {
    }

    public static void main(String[] args) throws Exception {
        boolean loose = false;
        boolean mute = false;
        String pagePath = null;
        for (String arg : args) {
            if (arg.equals("--loose")) {
                loose = true;
            } else if (arg.equals("--mute")) {
                mute = true;
            } else if (pagePath == null && !arg.startsWith("--")) {
                pagePath = arg;
            } else {
                pagePath = null;
                break;
            }
        }
        if (pagePath == null) {
            System.err.println("usage: java -jar applet-runner.jar [--loose] [--mute] PAGE.htm");
            System.exit(2);
        }
        AppletPage page = AppletPage.read(new File(pagePath));
        Applet applet = load(page, loose);
        show(page, applet, !mute);
    }

    static Applet load(AppletPage page, boolean loose) throws Exception {
        List<URL> path = new ArrayList<>();
        if (!loose) {
            for (String jar : page.archive.split(",")) {
                if (!jar.trim().isEmpty()) {
                    path.add(new URL(page.codeBase(), jar.trim()));
                }
            }
        }
        path.add(page.codeBase());
        URLClassLoader loader = new URLClassLoader(path.toArray(new URL[0]),
                AppletRunner.class.getClassLoader());
        String className = page.code.endsWith(".class")
                ? page.code.substring(0, page.code.length() - ".class".length()) : page.code;
        return (Applet) loader.loadClass(className.replace('/', '.')).getDeclaredConstructor()
                .newInstance();
    }

    private static void show(AppletPage page, Applet applet, boolean audible) {
        Frame frame = new Frame(page.file.getName() + " - " + page.code);
        Label status = new Label(" ");
        PageContext context = new PageContext(page) {
            @Override
            public void showDocument(URL url, String target) {
                super.showDocument(url, target);
                System.out.println("open " + url + " in " + target);
            }

            @Override
            public void showStatus(String text) {
                super.showStatus(text);
                status.setText(text == null || text.isEmpty() ? " " : text);
            }
        };
        context.audible = audible;
        context.setApplet(applet);
        applet.setStub(context);
        applet.setPreferredSize(new Dimension(page.width, page.height));
        applet.init();
        frame.setLayout(new BorderLayout());
        frame.add(applet, BorderLayout.CENTER);
        frame.add(status, BorderLayout.SOUTH);
        frame.addWindowListener(new WindowAdapter() {
            @Override
            public void windowClosing(WindowEvent e) {
                applet.stop();
                applet.destroy();
                frame.dispose();
                System.exit(0);
            }
        });
        frame.pack();
        frame.setVisible(true);
        applet.start();
    }
}

package quillon.runner;

import java.applet.Applet;
import java.applet.AppletStub;
import java.awt.BorderLayout;
import java.awt.Dimension;
import java.awt.Frame;
import java.awt.Graphics2D;
import java.awt.Label;
import java.awt.Panel;
import java.awt.Rectangle;
import java.awt.Robot;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.ArrayList;
import java.util.List;
import java.util.Locale;
import javax.imageio.ImageIO;

/**
 * Shows the applet of a saved menu page in a window of its own, as a
 * browser would: the classes come from the page's ARCHIVE, then from its
 * code base folder; the PARAM tags are the applet's parameters; links are
 * printed instead of opened, and the status text shows under the applet.
 *
 *   java -jar applet-runner.jar [--loose] [--mute] [--snapshot FILE.png] PAGE.htm
 *   java -jar applet-runner.jar [--loose] --render FILE.png|FILE.jpg PAGE.htm
 *
 * --loose ignores the ARCHIVE, so only the loose class files are used;
 * --snapshot saves what the window shows of the applet a moment after it
 * started, then closes. --render needs no display: it draws the menu panel
 * that the applet's public static createMenu(AppletStub) builds into a
 * picture, as the applet would show it on start-up.
 */
public final class AppletRunner {
    private AppletRunner() {
    }

    public static void main(String[] args) throws Exception {
        boolean loose = false;
        boolean mute = false;
        String snapshot = null;
        String render = null;
        String pagePath = null;
        boolean usable = true;
        for (int i = 0; i < args.length; i++) {
            if (args[i].equals("--loose")) {
                loose = true;
            } else if (args[i].equals("--mute")) {
                mute = true;
            } else if (args[i].equals("--snapshot") && i + 1 < args.length) {
                snapshot = args[++i];
            } else if (args[i].equals("--render") && i + 1 < args.length) {
                render = args[++i];
            } else if (pagePath == null && !args[i].startsWith("--")) {
                pagePath = args[i];
            } else {
                usable = false;
            }
        }
        if (pagePath == null || !usable) {
            System.err.println("usage: java -jar applet-runner.jar [--loose] [--mute] [--snapshot FILE.png] PAGE.htm\n"
                    + "       java -jar applet-runner.jar [--loose] --render FILE.png|FILE.jpg PAGE.htm");
            System.exit(2);
        }
        AppletPage page = AppletPage.read(new File(pagePath));
        if (render != null) {
            render(page, loose, new File(render));
            return;
        }
        Applet applet = (Applet) appletClass(page, loose).getDeclaredConstructor().newInstance();
        show(page, applet, !mute && snapshot == null);
        if (snapshot != null) {
            snap(applet, new File(snapshot));
        }
    }

    /** Captures the applet's part of the screen once it has painted, then ends the program. */
    private static void snap(Applet applet, File file) throws Exception {
        Thread.sleep(1500);
        Rectangle area = new Rectangle(applet.getLocationOnScreen(), applet.getSize());
        BufferedImage shot = new Robot().createScreenCapture(area);
        ImageIO.write(shot, "png", file);
        System.exit(0);
    }

    /** The applet's class, from the page's archive and then its code base, as a browser finds it. */
    static Class<?> appletClass(AppletPage page, boolean loose) throws Exception {
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
        return loader.loadClass(className.replace('/', '.'));
    }

    private static void render(AppletPage page, boolean loose, File file) throws Exception {
        Panel menu = (Panel) appletClass(page, loose).getMethod("createMenu", AppletStub.class)
                .invoke(null, new PageContext(page));
        menu.setSize(page.width, page.height);
        BufferedImage picture = new BufferedImage(page.width, page.height, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = picture.createGraphics();
        menu.paint(g);
        g.dispose();
        String name = file.getName().toLowerCase(Locale.ROOT);
        String format = name.endsWith(".jpg") || name.endsWith(".jpeg") ? "jpg" : "png";
        if (!ImageIO.write(picture, format, file)) {
            throw new IOException("cannot write " + file);
        }
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

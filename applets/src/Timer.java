import java.awt.EventQueue;
import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;

/**
 * Fires an action after a delay, once or then repeatedly, from a daemon
 * thread of its own. The action always runs on the event thread, so the
 * menu's state is only ever touched there. Used for the tooltip delay and
 * for scrolling while a direction button is held.
 */
public class Timer implements Runnable {
    private final ActionListener listener;
    private final String command;
    private final int delay;
    /** Milliseconds between repeats; 0 fires once. */
    private final int period;
    private Thread worker;
    /** Counts starts and stops, so a stopped run neither fires nor posts. */
    private int run;
    private int postedRun = -1;

    Timer(ActionListener listener, String command, int delay, int period) {
        this.listener = listener;
        this.command = command;
        this.delay = delay;
        this.period = period;
    }

    synchronized void start() {
        stop();
        run++;
        worker = new Thread(this, "menu timer " + command);
        worker.setDaemon(true);
        worker.start();
    }

    synchronized void stop() {
        run++;
        if (worker != null) {
            worker.interrupt();
            worker = null;
        }
    }

    synchronized boolean isRunning() {
        return worker != null;
    }

    public void run() {
        if (EventQueue.isDispatchThread()) {
            deliver();
            return;
        }
        int myRun;
        synchronized (this) {
            myRun = run;
        }
        long wait = delay;
        while (true) {
            try {
                Thread.sleep(wait);
            } catch (InterruptedException e) {
                return;
            }
            synchronized (this) {
                if (run != myRun) {
                    return;
                }
                postedRun = myRun;
            }
            EventQueue.invokeLater(this);
            if (period <= 0) {
                return;
            }
            wait = period;
        }
    }

    private void deliver() {
        synchronized (this) {
            if (postedRun != run) {
                return;
            }
            if (period <= 0) {
                worker = null;
            }
        }
        listener.actionPerformed(new ActionEvent(this, ActionEvent.ACTION_PERFORMED, command));
    }
}

#include "tests/sound/soundserver.h"

#include <signal.h>
#include <sys/prctl.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>

namespace soundcheck {

namespace {
// The server and the recorder end with the checks that started them, even when a check is
// killed: nothing of theirs outlives the test program.
void endWithParent(QProcess& process) {
  process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}
}  // namespace

PrivateSoundServer::PrivateSoundServer() = default;

PrivateSoundServer::~PrivateSoundServer() {
  if (m_server.state() != QProcess::NotRunning) {
    resume();
    m_server.terminate();
    if (!m_server.waitForFinished(5000)) m_server.kill();
    m_server.waitForFinished(2000);
  }
}

void PrivateSoundServer::hang() {
  if (m_server.state() == QProcess::Running) ::kill(pid_t(m_server.processId()), SIGSTOP);
}

void PrivateSoundServer::resume() {
  if (m_server.state() == QProcess::Running) ::kill(pid_t(m_server.processId()), SIGCONT);
}

void PrivateSoundServer::crash() {
  if (m_server.state() == QProcess::Running) ::kill(pid_t(m_server.processId()), SIGKILL);
}

QString PrivateSoundServer::address() const { return "unix:" + m_home.filePath("native"); }

bool PrivateSoundServer::start(QString* why) {
  if (!m_home.isValid()) {
    *why = "no temporary folder for the sound server";
    return false;
  }
  QFile::setPermissions(m_home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // The server keeps its state, cookie and socket in a home of its own; its clients are told
  // where it is and never start a server of their own.
  QFile conf(m_home.filePath("client.conf"));
  if (!conf.open(QIODevice::WriteOnly) || conf.write("autospawn = no\n") < 0) {
    *why = "cannot write the sound clients' settings";
    return false;
  }
  conf.close();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", m_home.path());
  env.insert("XDG_RUNTIME_DIR", m_home.path());
  env.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
  env.remove("PULSE_SERVER");
  // Off the session bus: a desktop's own sound server, and every other private server of the
  // checks running beside this one, already hold the sound server's name there, and a server
  // that cannot take it will not start. This address leads to no bus, so the server runs
  // without one, as it does where there is no session bus at all.
  env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + m_home.filePath("no-session-bus"));
  m_server.setProcessEnvironment(env);
  m_server.setProcessChannelMode(QProcess::MergedChannels);
  endWithParent(m_server);
  const QString socket = m_home.filePath("native");
  m_server.start("pulseaudio",
                 {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disallow-exit",
                  "--log-target=stderr", "--log-level=error", "-L", "module-null-sink sink_name=out rate=44100", "-L",
                  "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
  if (!m_server.waitForStarted(10000)) {
    *why = "the program pulseaudio could not be started (" + m_server.errorString() + ")";
    return false;
  }
  QDeadlineTimer deadline(15000);
  while (!QFileInfo::exists(socket)) {
    if (m_server.state() == QProcess::NotRunning || deadline.hasExpired()) {
      m_server.waitForFinished(100);
      *why = "the sound server did not come up: " + QString::fromLocal8Bit(m_server.readAll()).trimmed();
      return false;
    }
    QThread::msleep(20);
  }
  qputenv("PULSE_SERVER", address().toLocal8Bit());
  qputenv("PULSE_CLIENTCONFIG", m_home.filePath("client.conf").toLocal8Bit());
  return true;
}

bool PrivateSoundServer::startOrSay(const char* who) {
  QString why;
  if (start(&why)) return true;
  std::fprintf(stderr, "FAILED: %s: the private sound server could not start: %s\n", who, qPrintable(why));
  return false;
}

Recorder::~Recorder() {
  if (m_recorder.state() != QProcess::NotRunning) {
    m_recorder.kill();
    m_recorder.waitForFinished(2000);
  }
}

bool Recorder::start(QString* why, Latency latency) {
  m_file = m_dir.filePath("recording.raw");
  m_recorder.setProcessChannelMode(QProcess::MergedChannels);
  endWithParent(m_recorder);
  QStringList args = {"-d", "out.monitor", "--format=s16le", "--rate=44100", "--channels=2", "--raw"};
  if (latency == Low) args << "--latency-msec=10";
  m_recorder.start("parec", args << m_file);
  if (!m_recorder.waitForStarted(10000)) {
    *why = "the recorder parec could not be started (" + m_recorder.errorString() + ")";
    return false;
  }
  // Recording has begun once the first samples are in the file.
  QDeadlineTimer deadline(15000);
  while (QFileInfo(m_file).size() == 0) {
    if (m_recorder.state() == QProcess::NotRunning || deadline.hasExpired()) {
      *why = "the recorder gives no sound: " + QString::fromLocal8Bit(m_recorder.readAll()).trimmed();
      return false;
    }
    QThread::msleep(5);
  }
  see();
  return true;
}

double Recorder::recordedSeconds() const { return double(QFileInfo(m_file).size() / 4) / kRate; }

void Recorder::see() { m_origin = std::min(m_origin, steadySeconds() - recordedSeconds()); }

std::vector<int16_t> Recorder::stopAfter(double seconds, const QString& keepAs) {
  const double until = recordedSeconds() + seconds;
  QDeadlineTimer deadline(int(seconds * 1000) + 20000);
  while (recordedSeconds() < until && !deadline.hasExpired() && m_recorder.state() != QProcess::NotRunning) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
    see();
  }
  m_recorder.terminate();
  if (!m_recorder.waitForFinished(5000)) m_recorder.kill();
  m_recorder.waitForFinished(2000);
  QDir().mkpath(VANTREL_RECORDINGS);
  QFile::remove(QString(VANTREL_RECORDINGS "/") + keepAs);
  QFile::copy(m_file, QString(VANTREL_RECORDINGS "/") + keepAs);
  return samples();
}

std::vector<int16_t> Recorder::samples(double fromSeconds) const {
  QFile f(m_file);
  std::vector<int16_t> samples;
  if (!f.open(QIODevice::ReadOnly)) return samples;
  if (fromSeconds > 0 && !f.seek(4 * qint64(fromSeconds * kRate))) return samples;
  const QByteArray bytes = f.readAll();
  auto at = [&](qsizetype i) { return int(int16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8)); };
  samples.resize(size_t(bytes.size() / 4));
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = int16_t((at(qsizetype(4 * i)) + at(qsizetype(4 * i + 2))) / 2);
  return samples;
}

}  // namespace soundcheck
